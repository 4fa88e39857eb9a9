#pragma once

// Every declaration of our OFX C API.

#include "ofx/api/ofx_colour.h"
#include "ofx/api/ofx_core.h"
#include "ofx/api/ofx_dialog.h"
#include "ofx/api/ofx_draw.h"
#include "ofx/api/ofx_gpu_render.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_interact.h"
#include "ofx/api/ofx_memory.h"
#include "ofx/api/ofx_message.h"
#include "ofx/api/ofx_multithread.h"
#include "ofx/api/ofx_old.h"
#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"
#include "ofx/api/ofx_pixels.h"
#include "ofx/api/ofx_progress.h"
#include "ofx/api/ofx_property.h"
#include "ofx/api/ofx_timeline.h"
