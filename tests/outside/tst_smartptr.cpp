// Shared ownership: the last owner frees the object, and a null pointer
// fails loudly instead of crashing.
#include "outside/core/corenullpointerexception.h"
#include "outside/core/coreobject.h"
#include "outside/core/smartptr.h"
#include "testregistry.h"

#include <QTest>

namespace {

int liveCounters = 0;

class Counter : public Core::Object
{
public:
    Counter() { ++liveCounters; }
    ~Counter() override { --liveCounters; }
    int value = 7;
};

class SpecialCounter : public Counter
{
};

} // namespace

class TestSmartPtr : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lastOwnerFreesTheObject()
    {
        liveCounters = 0;
        {
            SmartPtr<Counter> first = makeSmart<Counter>();
            QCOMPARE(first->refCount(), 1);
            {
                SmartPtr<Counter> second = first;
                SmartPtr<Counter> third;
                third = second;
                QCOMPARE(first->refCount(), 3);
                SmartPtr<Counter> moved = std::move(third);
                QVERIFY(third.isNull());
                QCOMPARE(first->refCount(), 3);
            }
            QCOMPARE(first->refCount(), 1);
            QCOMPARE(liveCounters, 1);
            const SmartPtr<Counter>& same = first;
            first = same; // self-assignment keeps the object
            QCOMPARE(liveCounters, 1);
            first.reset();
            QCOMPARE(liveCounters, 0);
        }
        QCOMPARE(liveCounters, 0);
    }

    void nullPointerUseThrows()
    {
        SmartPtr<Counter> none;
        QVERIFY(!none);
        QVERIFY_THROWS_EXCEPTION(Core::NullPointerException, (void)none->value);
        QVERIFY_THROWS_EXCEPTION(Core::NullPointerException, (void)(*none).value);
        try {
            (void)none->value;
        } catch (const Core::Exception& e) {
            QVERIFY(!e.getMessage().isEmpty());
        }
    }

    void convertsAlongTheHierarchy()
    {
        liveCounters = 0;
        SmartPtr<SpecialCounter> special = makeSmart<SpecialCounter>();
        SmartPtr<Counter> general = special;
        QCOMPARE(general->refCount(), 2);
        QVERIFY(general.dynamicCast<SpecialCounter>() == special);
        SmartPtr<Counter> plain = makeSmart<Counter>();
        QVERIFY(plain.dynamicCast<SpecialCounter>().isNull());
        special.reset();
        general.reset();
        plain.reset();
        QCOMPARE(liveCounters, 0);
    }
};

UIEDITOR_TEST_CLASS(TestSmartPtr)
#include "tst_smartptr.moc"
