#pragma once

// Deprecated and removed names still met in older plug-ins and hosts.

inline constexpr char kOfxImageEffectPropInAnalysis[] = "OfxImageEffectPropInAnalysis";
inline constexpr char kOfxInteractPropViewportSize[] = "OfxInteractPropViewport";
inline constexpr char kOfxImageComponentYUVA[] = "OfxImageComponentYUVA";

inline constexpr char kOfxParamDoubleTypeNormalisedX[] = "OfxParamDoubleTypeNormalisedX";
inline constexpr char kOfxParamDoubleTypeNormalisedY[] = "OfxParamDoubleTypeNormalisedY";
inline constexpr char kOfxParamDoubleTypeNormalisedXAbsolute[] =
    "OfxParamDoubleTypeNormalisedXAbsolute";
inline constexpr char kOfxParamDoubleTypeNormalisedYAbsolute[] =
    "OfxParamDoubleTypeNormalisedYAbsolute";
inline constexpr char kOfxParamDoubleTypeNormalisedXY[] = "OfxParamDoubleTypeNormalisedXY";
inline constexpr char kOfxParamDoubleTypeNormalisedXYAbsolute[] =
    "OfxParamDoubleTypeNormalisedXYAbsolute";
