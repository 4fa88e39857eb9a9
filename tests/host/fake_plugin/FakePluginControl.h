#pragma once

// Shared between the fake plug-in and the tests that drive it: the tests find
// fakePluginControl / fakePluginReport with dlsym on the same loaded binary,
// set how the plug-in should behave and read back what it saw.

#include "ofx/api/ofx_core.h"

extern "C" {

struct FakePluginControl {
    int pluginCount;
    OfxStatus setHostStatus;
    // The action (by its string) that answers failingStatus; empty for none.
    char failingAction[64];
    OfxStatus failingStatus;
};

struct FakePluginReport {
    int drawSuiteFetched;
    int parametricSuiteFetched;
    int messageSuiteV2Fetched;
    OfxStatus curveStatus;      // first refused control point, kOfxStatOK if none
    OfxStatus overlayV2Status;  // setting the V2 overlay property
    int overlayDescribes;
    int instancesCreated;
    int instancesDestroyed;
    int unloads;
    int unexpectedFailures;  // property or suite calls that should have worked
    char firstFailure[160];
    double gainAtCreation;  // the "gain" instance value read in CreateInstance
};

typedef FakePluginControl* FakePluginControlFunction();
typedef const FakePluginReport* FakePluginReportFunction();
typedef void FakePluginResetFunction();
}
