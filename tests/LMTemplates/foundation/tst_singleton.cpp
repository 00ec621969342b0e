#include "LMInitializer.h"
#include "LMSingletonDefinition.h"
#include "LMTemplatesInitializer.h"

#include <QAtomicInt>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <thread>
#include <vector>

namespace {

QSemaphore ourConstructorEntered;
QSemaphore ourConstructorGate;
QAtomicInt ourConstructions;
QAtomicInt ourSetups;

} // namespace

// Construction waits at a gate, so that the other threads ask for the instance while it is
// being built; set-up records whether it ran after the constructor had finished.
class GatedSingleton : public LMSingleton<GatedSingleton>
{
    friend class LMSingleton<GatedSingleton>;

public:
    bool isSetUp() const { return mySetUp.loadAcquire() == 1; }

protected:
    void setupInstance() override
    {
        QVERIFY(myConstructed);
        ourSetups.fetchAndAddOrdered(1);
        mySetUp.storeRelease(1);
    }

private:
    GatedSingleton()
    {
        ourConstructions.fetchAndAddOrdered(1);
        ourConstructorEntered.release();
        ourConstructorGate.acquire();
        myConstructed = true;
    }

    bool myConstructed = false;
    QAtomicInt mySetUp;
};

class PlainSingleton : public LMSingleton<PlainSingleton>
{
    friend class LMSingleton<PlainSingleton>;
    PlainSingleton() = default;
};

LM_DEFINE_SINGLETON(GatedSingleton)
LM_DEFINE_SINGLETON(PlainSingleton)

class TestSingleton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void concurrentFirstUseConstructsOnce()
    {
        const int waitingThreads = 12;

        GatedSingleton* aFirst = nullptr;
        bool aFirstSawSetUp = false;
        // std::thread rather than QThread: ThreadSanitizer follows join(), not Debian's QThread::wait().
        std::thread aCreator([&] {
            aFirst = GatedSingleton::instance();
            aFirstSawSetUp = aFirst->isSetUp();
        });
        ourConstructorEntered.acquire();

        std::vector<GatedSingleton*> aSeen(size_t(waitingThreads), nullptr);
        // One byte a thread: the bits of a std::vector<bool> would share words between threads.
        std::vector<char> aSawSetUp(size_t(waitingThreads), 0);
        std::vector<std::thread> aWaiters;
        for (int i = 0; i < waitingThreads; ++i) {
            aWaiters.emplace_back([&, i] {
                aSeen[size_t(i)] = GatedSingleton::instance();
                aSawSetUp[size_t(i)] = aSeen[size_t(i)]->isSetUp();
            });
        }
        ourConstructorGate.release();

        aCreator.join();
        for (auto& aWaiter : aWaiters)
            aWaiter.join();

        QVERIFY(aFirst && aFirstSawSetUp);
        for (int i = 0; i < waitingThreads; ++i) {
            QCOMPARE(aSeen[size_t(i)], aFirst);
            QVERIFY2(aSawSetUp[size_t(i)], "a waiting thread got the instance before its set-up had run");
        }
        QCOMPARE(GatedSingleton::instance(), aFirst);
        QCOMPARE(ourConstructions.loadAcquire(), 1);
        QCOMPARE(ourSetups.loadAcquire(), 1);
    }

    void libraryInitializerRegisteredWithTheProcessWideInitializer()
    {
        // The library registered its initializer from inside its own binary while it was loaded; this
        // program must see the same LMInitializer, or the singletons are not process-wide.
        const QList<LMInitializerAbstract*> anInitializers = LMInitializer::instance()->initializers();
        const auto aLibraryOnes
            = std::count_if(anInitializers.cbegin(), anInitializers.cend(), [](LMInitializerAbstract* theInitializer) {
                  return dynamic_cast<LMTemplatesInitializer*>(theInitializer) != nullptr;
              });
        QCOMPARE(aLibraryOnes, 1);
    }

    void existingInstanceNeverCreates()
    {
        QCOMPARE(PlainSingleton::existingInstance(), nullptr);
        PlainSingleton* anInstance = PlainSingleton::instance();
        QVERIFY(anInstance);
        QCOMPARE(PlainSingleton::existingInstance(), anInstance);
    }
};

QTEST_GUILESS_MAIN(TestSingleton)
#include "tst_singleton.moc"
