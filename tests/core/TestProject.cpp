#include "TempHome.h"
#include "core/Clock.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"

#include <gtest/gtest.h>

namespace {

// Adds a live object with the given index, parent and kind.
TYsObj* add(TYsProject& p, qint32 index, qint32 parent = -1, qint32 type = 1, const QString& caption = {})
{
    auto obj = std::make_unique<TYsObj>();
    obj->Index = index;
    obj->P_index = parent;
    obj->TypeId = type;
    obj->Caption = caption.isEmpty() ? QString::number(index) : caption;
    return p.addObject(std::move(obj));
}

QList<qint32> deletedIndexes(const TYsProject& p)
{
    QList<qint32> out;
    for (const auto& o : p.ObjList) {
        if (o->deleted) {
            out << o->Index;
        }
    }
    return out;
}

TEST(Project, NewIndexIsTheSmallestFreeIndex)
{
    TempHome home;
    TYsProject p;
    EXPECT_EQ(p.NewIndex(), 0);
    add(p, 0);
    add(p, 1);
    add(p, 3);
    EXPECT_EQ(p.NewIndex(), 2);
    add(p, 2);
    EXPECT_EQ(p.NewIndex(), 4);
    p.MarkDeleted(1);
    EXPECT_EQ(p.NewIndex(), 1); // freed by the deletion, handed out again
}

TEST(Project, MarkDeletedTakesTheWholeSubtreeAndNothingElse)
{
    TempHome home;
    TYsProject p;
    add(p, 0);        // folder
    add(p, 1, 0);     // subfolder
    add(p, 2, 1, 2);  // object in the subfolder
    add(p, 3, 0, 3);  // object in the folder
    add(p, 4, -1, 2); // object under the root
    add(p, 5);        // another folder
    p.MarkDeleted(0);
    EXPECT_EQ(deletedIndexes(p), (QList<qint32>{0, 1, 2, 3}));
    p.MarkDeleted(99); // no such object: nothing changes
    EXPECT_EQ(deletedIndexes(p).size(), 4);
}

TEST(Project, MarkDeletedFollowsLiveObjectsOnly)
{
    TempHome home;
    TYsProject p;
    add(p, 2);       // old folder
    add(p, 5, 2, 2); // its object
    p.MarkDeleted(2);
    // The indexes come back for unrelated new objects.
    TYsObj* folder = add(p, p.NewIndex() == 0 ? 2 : 2);
    TYsObj* unrelated = add(p, 5, -1, 2);
    p.MarkDeleted(2);
    EXPECT_TRUE(folder->deleted);
    EXPECT_FALSE(unrelated->deleted); // the old deleted child with index 5 does not drag it along
}

TEST(Project, CyclesOfParentsEndAndEveryObjectAppearsOnce)
{
    TempHome home;
    TYsProject p;
    add(p, 0, -1, 1, QStringLiteral("根下"));
    add(p, 0, 0, 2, QStringLiteral("同号")); // same index as its parent: a loop in a hostile file
    add(p, 7, 7, 2, QStringLiteral("自指")); // its own parent: not reachable from the root
    const std::vector<TYsProject::TreeNode> tree = p.tree();
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].obj->Caption, QStringLiteral("根下"));
    EXPECT_EQ(tree[1].obj->Caption, QStringLiteral("同号"));
    EXPECT_EQ(tree[1].depth, 1);
    p.MarkDeleted(0);
    p.MarkDeleted(7);
    EXPECT_EQ(deletedIndexes(p).size(), 3);
}

TEST(Project, TreeOrderFollowsTheListBelowEachParent)
{
    TempHome home;
    TYsProject p;
    add(p, 0, -1, 1, QStringLiteral("A"));
    add(p, 1, -1, 2, QStringLiteral("B"));
    add(p, 2, 0, 2, QStringLiteral("A1"));
    add(p, 3, 0, 1, QStringLiteral("A2"));
    add(p, 4, 3, 2, QStringLiteral("A2a"));
    add(p, 5, 42, 2, QStringLiteral("orphan"));
    QStringList order;
    for (const auto& n : p.tree()) {
        order << QString(n.depth, QLatin1Char('-')) + n.obj->Caption;
    }
    EXPECT_EQ(order, (QStringList{"A", "-A1", "-A2", "--A2a", "B"}));
}

TEST(Project, PropertyListRoundTrip)
{
    TempHome home;
    Clock::setFixedToday(QDate(2026, 12, 11));
    TYsProject p;
    EXPECT_EQ(p.prjdate, QStringLiteral("2026/12/11"));
    Clock::setFixedToday(QDate());
    p.prjname = QStringLiteral("云杉小区一期");
    p.prjdirector = QStringLiteral("张工");
    p.scheduleMaker = QStringLiteral("李工");
    p.descmemo = QStringLiteral("第一行\r第二行\r");
    p.setPassword(QStringLiteral("  secret  "));
    p.StructureType = 3;
    p.BuildHigh = 54.6;
    p.FloorHigh = 2.9;
    p.StructureArea = 12000.5;
    p.TimeOfProject = 365;
    p.ConstuctionUnit = QStringLiteral("某建设公司");
    p.FlagWriteToCal = true;
    p.StoreToPropList();
    EXPECT_EQ(p.PropList.Count(), 13);
    EXPECT_EQ(p.PropList.FindItem(QStringLiteral("password"))->Value.toText(), QStringLiteral("secret"));

    TYsProject q;
    for (int i = 0; i < p.PropList.Count(); ++i) {
        q.PropList.AddValue(p.PropList.name(i), p.PropList.record(i).Value.toText()); // as a file gives them
    }
    EXPECT_TRUE(q.LoadFromPropList().isEmpty());
    EXPECT_EQ(q.prjname, p.prjname);
    EXPECT_EQ(q.prjdate, QStringLiteral("2026/12/11"));
    EXPECT_EQ(q.descmemo, p.descmemo);
    EXPECT_EQ(q.password, QStringLiteral("secret"));
    EXPECT_EQ(q.StructureType, 3);
    EXPECT_EQ(q.BuildHigh, 54.6);
    EXPECT_EQ(q.StructureArea, 12000.5);
    EXPECT_TRUE(q.FlagWriteToCal);

    TYsProject r; // a list without the keys: every attribute becomes its empty value
    r.BuildHigh = 3;
    EXPECT_TRUE(r.LoadFromPropList().isEmpty());
    EXPECT_EQ(r.prjdate, QString());
    EXPECT_EQ(r.BuildHigh, 0.0);
}

TEST(Project, PasswordIsTrimmedAndLimited)
{
    TempHome home;
    TYsProject p;
    p.setPassword(QStringLiteral(" 0123456789abcdefgh "));
    EXPECT_EQ(p.password, QStringLiteral("0123456789abcde"));
}

} // namespace
