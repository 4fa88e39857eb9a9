#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "Host.h"
#include "ImageEffect.h"
#include "ImageEffectSuite.h"
#include "MemorySuite.h"
#include "MessageSuite.h"
#include "ofx/api/ofx_api.h"

namespace {

using ofxhost::Host;
using ofxhost::ImageEffect;

TEST(MemorySuiteTest, AllocatesAndRefusesForeignPointers) {
    const OfxMemorySuiteV1& memory = *ofxhost::memorySuite();
    void* block = nullptr;
    ASSERT_EQ(memory.memoryAlloc(nullptr, 64, &block), kOfxStatOK);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xab, 64);
    EXPECT_EQ(memory.memoryFree(block), kOfxStatOK);
    EXPECT_EQ(memory.memoryFree(block), kOfxStatErrBadHandle) << "double free";
    int local = 0;
    EXPECT_EQ(memory.memoryFree(&local), kOfxStatErrBadHandle);
}

TEST(ImageMemoryTest, LocksAlignedKeepsContentsAndFreesOnce) {
    const OfxImageEffectSuiteV1& effects = *ofxhost::imageEffectSuite();
    OfxImageMemoryHandle memory = nullptr;
    ASSERT_EQ(effects.imageMemoryAlloc(nullptr, 100, &memory), kOfxStatOK);
    void* data = nullptr;
    ASSERT_EQ(effects.imageMemoryLock(memory, &data), kOfxStatOK);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(data) % 16, 0u);
    std::memset(data, 0x5a, 100);
    EXPECT_EQ(effects.imageMemoryUnlock(memory), kOfxStatOK);
    EXPECT_EQ(effects.imageMemoryUnlock(memory), kOfxStatOK) << "extra unlocks are harmless";
    ASSERT_EQ(effects.imageMemoryLock(memory, &data), kOfxStatOK);
    EXPECT_EQ(static_cast<unsigned char*>(data)[99], 0x5a);
    EXPECT_EQ(effects.imageMemoryFree(memory), kOfxStatOK) << "free while locked";
    EXPECT_EQ(effects.imageMemoryLock(memory, &data), kOfxStatErrBadHandle);
    EXPECT_EQ(effects.imageMemoryFree(memory), kOfxStatErrBadHandle);
}

TEST(ImageEffectSuiteTest, ClipsAreDefinedOnDescriptorsAndFetchedOnInstances) {
    const OfxImageEffectSuiteV1& effects = *ofxhost::imageEffectSuite();
    Host host;
    auto described = ImageEffect::describeDescriptor(host, "/bundle");
    auto descriptor = ImageEffect::contextDescriptor(*described);
    OfxPropertySetHandle clipProps = nullptr;
    ASSERT_EQ(effects.clipDefine(descriptor->handle(), "Source", &clipProps), kOfxStatOK);
    EXPECT_EQ(effects.clipDefine(descriptor->handle(), "Source", &clipProps), kOfxStatErrExists);
    OfxImageClipHandle clip = nullptr;
    EXPECT_EQ(effects.clipGetHandle(descriptor->handle(), "Source", &clip, nullptr),
              kOfxStatErrUnsupported);

    auto instance = ImageEffect::instance(*descriptor, kOfxImageEffectContextFilter);
    ASSERT_EQ(effects.clipGetHandle(instance->handle(), "Source", &clip, &clipProps), kOfxStatOK);
    EXPECT_EQ(instance->findClip("Source")->properties().getInt(kOfxImageClipPropConnected), 1);
    EXPECT_EQ(effects.clipGetHandle(instance->handle(), "Missing", &clip, nullptr),
              kOfxStatErrUnknown);
    EXPECT_EQ(effects.clipDefine(instance->handle(), "Other", &clipProps), kOfxStatErrUnsupported);
    OfxPropertySetHandle image = nullptr;
    EXPECT_EQ(effects.clipGetImage(clip, 0.0, nullptr, &image), kOfxStatFailed);
    EXPECT_EQ(image, nullptr);
}

TEST(MessageSuiteTest, MessagesReachTheEffectsHost) {
    const OfxMessageSuiteV2& messages = *ofxhost::messageSuite();
    Host host;
    auto described = ImageEffect::describeDescriptor(host, "/bundle");
    auto descriptor = ImageEffect::contextDescriptor(*described);
    auto instance = ImageEffect::instance(*descriptor, kOfxImageEffectContextGeneral);
    EXPECT_EQ(
        messages.message(described->handle(), kOfxMessageWarning, nullptr, "%d %s", 3, "things"),
        kOfxStatOK);
    EXPECT_EQ(messages.message(described->handle(), kOfxMessageQuestion, "", "Proceed?"),
              kOfxStatFailed)
        << "a background host cannot ask";
    EXPECT_EQ(messages.setPersistentMessage(described->handle(), kOfxMessageError, "", "x"),
              kOfxStatErrBadHandle)
        << "persistent messages need an instance";
    EXPECT_EQ(messages.setPersistentMessage(instance->handle(), kOfxMessageError, "id", "broken"),
              kOfxStatOK);
    EXPECT_EQ(messages.clearPersistentMessage(instance->handle()), kOfxStatOK);

    const auto log = host.messages().messages();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].type, kOfxMessageWarning);
    EXPECT_EQ(log[0].text, "3 things");
    EXPECT_TRUE(log[2].persistent);
    EXPECT_EQ(log[2].id, "id");
}

}  // namespace
