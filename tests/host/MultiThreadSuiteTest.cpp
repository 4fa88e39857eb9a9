#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "MultiThreadSuite.h"

namespace {

const OfxMultiThreadSuiteV1& threads() {
    return *ofxhost::multiThreadSuite();
}

struct Calls {
    std::mutex lock;
    std::multiset<unsigned int> indices;
    std::set<unsigned int> maxima;
    std::atomic<int> spawned{0};
    std::atomic<int> indexMatches{0};
    std::atomic<int> nestedRefusals{0};
};

void record(unsigned int index, unsigned int threadMax, void* argument) {
    auto& calls = *static_cast<Calls*>(argument);
    unsigned int reported = 99;
    threads().multiThreadIndex(&reported);
    calls.indexMatches += reported == index ? 1 : 0;
    calls.spawned += threads().multiThreadIsSpawnedThread();
    calls.nestedRefusals += threads().multiThread(record, 2, argument) == kOfxStatErrExists ? 1 : 0;
    std::lock_guard<std::mutex> guard(calls.lock);
    calls.indices.insert(index);
    calls.maxima.insert(threadMax);
}

TEST(MultiThreadSuiteTest, RunsEveryIndexOnceOnItsOwnThread) {
    Calls calls;
    ASSERT_EQ(threads().multiThread(record, 5, &calls), kOfxStatOK);
    EXPECT_EQ(calls.indices, (std::multiset<unsigned int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(calls.maxima, (std::set<unsigned int>{5}));
    EXPECT_EQ(calls.spawned, 5);
    EXPECT_EQ(calls.indexMatches, 5);
    EXPECT_EQ(calls.nestedRefusals, 5) << "multiThread cannot be nested";
    EXPECT_EQ(threads().multiThreadIsSpawnedThread(), 0);
    unsigned int index = 7;
    threads().multiThreadIndex(&index);
    EXPECT_EQ(index, 0u);
}

TEST(MultiThreadSuiteTest, ReportsAtLeastOneCpu) {
    unsigned int cpus = 0;
    ASSERT_EQ(threads().multiThreadNumCPUs(&cpus), kOfxStatOK);
    EXPECT_GE(cpus, 1u);
}

TEST(MultiThreadSuiteTest, MutexesLockRecursivelyAndRefuseStaleHandles) {
    OfxMutexHandle mutex = nullptr;
    ASSERT_EQ(threads().mutexCreate(&mutex, 0), kOfxStatOK);
    ASSERT_EQ(threads().mutexLock(mutex), kOfxStatOK);
    EXPECT_EQ(threads().mutexTryLock(mutex), kOfxStatOK) << "the holder may lock again";
    std::atomic<OfxStatus> fromOtherThread{kOfxStatOK};
    std::thread other([&] { fromOtherThread = threads().mutexTryLock(mutex); });
    other.join();
    EXPECT_EQ(fromOtherThread, kOfxStatFailed);
    EXPECT_EQ(threads().mutexUnLock(mutex), kOfxStatOK);
    EXPECT_EQ(threads().mutexUnLock(mutex), kOfxStatOK);
    ASSERT_EQ(threads().mutexDestroy(mutex), kOfxStatOK);
    EXPECT_EQ(threads().mutexLock(mutex), kOfxStatErrBadHandle);
    EXPECT_EQ(threads().mutexDestroy(mutex), kOfxStatErrBadHandle);
}

}  // namespace
