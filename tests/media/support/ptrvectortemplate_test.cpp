#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "media/support/ptrvectortemplate.h"
#include "tests/media/support/logcapture.h"

namespace {

struct Element {
    explicit Element(int elementId, std::vector<int>* destroyedIds = nullptr)
        : id(elementId), destroyed(destroyedIds) {}
    virtual ~Element() {
        if (destroyed) destroyed->push_back(id);
    }
    int id;
    std::vector<int>* destroyed;
};

std::vector<int> Ids(CPtrVectorTemplate<Element>& list) {
    std::vector<int> ids;
    list.ForEach(
        [](Element* element, void* context) { static_cast<std::vector<int>*>(context)->push_back(element->id); }, &ids);
    return ids;
}

TEST(PtrVectorTemplate, AddingTheSamePointerTwiceKeepsOneAndLogsOnce) {
    LogCapture capture;
    CPtrVectorTemplate<Element> list;
    auto* element = new Element(1);
    EXPECT_TRUE(list.AddPtrObject(element));
    EXPECT_FALSE(list.AddPtrObject(element));
    EXPECT_FALSE(list.AddPtrObject(nullptr));
    EXPECT_EQ(list.GetCount(), 1);
    const std::string expected =
        "[ERROR]CPtrVectorTemplate::AddPtrObject(" + std::to_string(reinterpret_cast<intptr_t>(element)) + ")已存在\n";
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{expected});
}

TEST(PtrVectorTemplate, FindsByIdentityOnly) {
    CPtrVectorTemplate<Element> list;
    auto* first = new Element(7);
    auto* second = new Element(7);
    list.AddPtrObject(first);
    list.AddPtrObject(second);
    EXPECT_EQ(list.FindPtrObject(second), second);
    EXPECT_EQ(list.FindPtrObject(first), first);
    Element outsider(7);
    EXPECT_EQ(list.FindPtrObject(&outsider), nullptr);
    // A made-up address is compared, never dereferenced.
    EXPECT_EQ(list.FindPtrObject(reinterpret_cast<const void*>(uintptr_t{16})), nullptr);
    EXPECT_EQ(list.FindPtrObjectIf([](const Element& e) { return e.id == 7; }), first);
}

TEST(PtrVectorTemplate, DeleteKeepsOrderAndAbsentKeyChangesNothing) {
    std::vector<int> destroyed;
    CPtrVectorTemplate<Element> list;
    Element* elements[4];
    for (int i = 0; i < 4; ++i) {
        elements[i] = new Element(i, &destroyed);
        list.AddPtrObject(elements[i]);
    }
    Element absent(99);
    EXPECT_FALSE(list.DeletePtrObject(&absent));
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(destroyed.empty());

    EXPECT_TRUE(list.DeletePtrObject(elements[1]));
    EXPECT_EQ(destroyed, std::vector<int>{1});
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 2, 3}));
    EXPECT_FALSE(list.DeletePtrObject(elements[1]));  // already gone
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(PtrVectorTemplate, DestructionDestroysEveryRemainingObject) {
    std::vector<int> destroyed;
    {
        CPtrVectorTemplate<Element> list;
        for (int i = 0; i < 3; ++i) list.AddPtrObject(new Element(i, &destroyed));
    }
    EXPECT_EQ(destroyed, (std::vector<int>{0, 1, 2}));
}

// An element whose destructor waits for another thread that uses the same container, as a decoder
// whose thread looks up handles while the decoder is being deleted.
struct BlockingElement : Element {
    BlockingElement(CPtrVectorTemplate<Element>* container, std::atomic<int>* seen)
        : Element(0), list(container), seenCount(seen) {}
    ~BlockingElement() override {
        std::thread other([this] { seenCount->store(list->GetCount()); });
        other.join();
    }
    CPtrVectorTemplate<Element>* list;
    std::atomic<int>* seenCount;
};

TEST(PtrVectorTemplate, DeletedObjectIsDestroyedOutsideTheLock) {
    CPtrVectorTemplate<Element> list;
    std::atomic<int> seenCount{-1};
    auto* blocking = new BlockingElement(&list, &seenCount);
    list.AddPtrObject(new Element(1));
    list.AddPtrObject(blocking);
    EXPECT_TRUE(list.DeletePtrObject(blocking));  // would deadlock if the lock were held
    EXPECT_EQ(seenCount.load(), 1);
}

TEST(PtrVectorTemplate, ConcurrentAddFindDeleteStayConsistent) {
    CPtrVectorTemplate<Element> list;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&list, t] {
            for (int i = 0; i < 200; ++i) {
                auto* element = new Element(t * 1000 + i);
                ASSERT_TRUE(list.AddPtrObject(element));
                ASSERT_EQ(list.FindPtrObject(element), element);
                if (i % 2 == 0) {
                    ASSERT_TRUE(list.DeletePtrObject(element));
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(list.GetCount(), 400);
}

}  // namespace
