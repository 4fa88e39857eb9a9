#pragma once

// Pixel and colour records.

extern "C" {

typedef struct OfxRGBAColourB {
    unsigned char r, g, b, a;
} OfxRGBAColourB;

typedef struct OfxRGBAColourS {
    unsigned short r, g, b, a;
} OfxRGBAColourS;

typedef struct OfxRGBAColourF {
    float r, g, b, a;
} OfxRGBAColourF;

typedef struct OfxRGBAColourD {
    double r, g, b, a;
} OfxRGBAColourD;

typedef struct OfxRGBColourB {
    unsigned char r, g, b;
} OfxRGBColourB;

typedef struct OfxRGBColourS {
    unsigned short r, g, b;
} OfxRGBColourS;

typedef struct OfxRGBColourF {
    float r, g, b;
} OfxRGBColourF;

typedef struct OfxRGBColourD {
    double r, g, b;
} OfxRGBColourD;

}  // extern "C"
