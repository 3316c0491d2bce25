#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "media/support/framelisttemplate.h"

namespace {

struct Record {
    int32_t id;
    int32_t height;
    uint64_t payload;
};

struct Released {
    std::vector<int32_t> ids;
    static void Callback(Record* record, void* user) {
        static_cast<Released*>(user)->ids.push_back(record->id);
        std::memset(record, 0, sizeof *record);  // as the decoder's release clears the record in place
    }
};

Record Make(int32_t id) { return Record{id, 480, static_cast<uint64_t>(id) * 40000}; }

TEST(FrameListTemplate, IsFifoAcrossManyPushesAndPops) {
    CFrameListTemplate<Record> list(4);
    Record record{};
    EXPECT_FALSE(list.Peek(&record));
    EXPECT_FALSE(list.Pop());
    int next = 0;
    for (int id = 0; id < 50; ++id) {
        ASSERT_TRUE(list.PushBack(Make(id)));
        if (list.GetCount() == 3) {
            ASSERT_TRUE(list.Peek(&record));
            EXPECT_EQ(record.id, next++);
            ASSERT_TRUE(list.Pop());
        }
    }
    EXPECT_EQ(list.GetCount(), 2u);
}

TEST(FrameListTemplate, RefusesPushAtItsLimitAndKeepsContents) {
    CFrameListTemplate<Record> list;
    EXPECT_EQ(list.GetLimit(), 1024u);
    for (int id = 0; id < 1024; ++id) ASSERT_TRUE(list.PushBack(Make(id)));
    EXPECT_FALSE(list.PushBack(Make(1024)));
    EXPECT_EQ(list.GetCount(), 1024u);
    Record head{};
    ASSERT_TRUE(list.Peek(&head));
    EXPECT_EQ(head.id, 0);
    ASSERT_TRUE(list.Pop());
    EXPECT_TRUE(list.PushBack(Make(1025)));
}

TEST(FrameListTemplate, KeepLastReleasesTheRetainedRecordStartingWithZeros) {
    Released released;
    CFrameListTemplate<Record> list;
    list.SetKeepLast(true);
    list.SetReleaseCallback(&Released::Callback, &released);
    Record retained{};
    ASSERT_TRUE(list.CopyRetained(&retained));
    EXPECT_EQ(retained.height, 0);

    list.PushBack(Make(1));
    list.PushBack(Make(2));
    ASSERT_TRUE(list.Pop());
    EXPECT_EQ(released.ids, std::vector<int32_t>{0});  // the initial all-zero record
    ASSERT_TRUE(list.CopyRetained(&retained));
    EXPECT_EQ(retained.id, 1);
    ASSERT_TRUE(list.Pop());
    EXPECT_EQ(released.ids, (std::vector<int32_t>{0, 1}));
    {
        auto hold = list.Lock();  // refresh and snapshot hold the lock while they use the copy
        ASSERT_TRUE(list.CopyRetained(&retained));
        EXPECT_EQ(retained.id, 2);
    }
}

TEST(FrameListTemplate, PopWithKeepLastAndNoCallbackNeitherReleasesNorRetains) {
    Released released;  // outlives the list, whose destruction still releases
    CFrameListTemplate<Record> list;
    list.SetKeepLast(true);
    list.PushBack(Make(5));
    ASSERT_TRUE(list.Pop());
    EXPECT_EQ(list.GetCount(), 0u);
    Record retained{};
    EXPECT_FALSE(list.CopyRetained(&retained));

    // A callback set later finds nothing retained: its first pop releases the zero record.
    list.SetReleaseCallback(&Released::Callback, &released);
    list.PushBack(Make(6));
    ASSERT_TRUE(list.Pop());
    EXPECT_EQ(released.ids, std::vector<int32_t>{0});
}

TEST(FrameListTemplate, PopWithoutKeepLastReleasesTheHead) {
    Released released;
    CFrameListTemplate<Record> list;
    list.SetReleaseCallback(&Released::Callback, &released);
    list.PushBack(Make(3));
    list.PushBack(Make(4));
    ASSERT_TRUE(list.Pop());
    EXPECT_EQ(released.ids, std::vector<int32_t>{3});
    Record retained{};
    EXPECT_FALSE(list.CopyRetained(&retained));
}

TEST(FrameListTemplate, FlushAndDestructionReleaseEveryRecordOnce) {
    Released released;
    {
        CFrameListTemplate<Record> list;
        list.SetKeepLast(true);
        list.SetReleaseCallback(&Released::Callback, &released);
        for (int id = 1; id <= 3; ++id) list.PushBack(Make(id));
        ASSERT_TRUE(list.Pop());  // releases the zero record, retains 1
        list.Flush();             // releases 2, 3, then the retained 1
        EXPECT_EQ(released.ids, (std::vector<int32_t>{0, 2, 3, 1}));
        EXPECT_EQ(list.GetCount(), 0u);

        released.ids.clear();
        list.PushBack(Make(7));
        list.PushBack(Make(8));
        ASSERT_TRUE(list.Pop());  // releases the cleared retained record, retains 7
    }
    // Destruction releases what is still queued, then the retained record.
    EXPECT_EQ(released.ids, (std::vector<int32_t>{0, 8, 7}));
}

}  // namespace
