#include "QtPrinters.h"
#include "core/Gbk.h"
#include "core/TMyList.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyList, LookupIgnoresCaseAndBlanksAndTakesTheLastMatch)
{
    TMyList list;
    list.AddValue(QStringLiteral("a"), PropValue(qint32(1)));
    list.AddValue(QStringLiteral("A "), PropValue(qint32(2)));
    EXPECT_EQ(list.Count(), 2); // adding never replaces
    PropValue v;
    list.GetValue(QStringLiteral("a"), v);
    EXPECT_EQ(v.toInteger(), 2);

    list.AddValue(QStringLiteral(" PRJNAME"), PropValue(QStringLiteral("工程")));
    ASSERT_NE(list.FindItem(QStringLiteral("prjName")), nullptr);
    EXPECT_EQ(list.FindItem(QStringLiteral("prjName"))->Value.toText(), QStringLiteral("工程"));
    // Only ASCII letters fold: full-width letters are other characters.
    EXPECT_EQ(list.FindItem(QStringLiteral("ａ")), nullptr);
}

TEST(PropertyList, MissingNameLeavesTheDestinationUnchanged)
{
    TMyList list;
    EXPECT_EQ(list.FindItem(QStringLiteral("x")), nullptr); // empty list
    PropValue empty;
    list.GetValue(QStringLiteral("x"), empty);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.toReal(), 0.0);

    list.AddValue(QStringLiteral("y"), PropValue(1.5));
    PropValue kept(QStringLiteral("keep"));
    list.GetValue(QStringLiteral("x"), kept);
    EXPECT_EQ(kept.toText(), QStringLiteral("keep"));
}

TEST(PropertyList, NamesAreCutTo255GbkBytesWithoutSplittingACharacter)
{
    TMyList list;
    const QString long300(300, QLatin1Char('n'));
    list.AddValue(long300, PropValue(qint32(7)));
    EXPECT_EQ(list.name(0).size(), 255);
    EXPECT_EQ(list.FindItem(long300), nullptr);
    ASSERT_NE(list.FindItem(long300.left(255)), nullptr);

    // 127 two-byte characters take 254 bytes; one more would pass 255, so it is dropped whole.
    const QString chinese = QString(1, QLatin1Char('x')) + QString(200, QChar(0x811A)); // 脚
    list.AddValue(chinese, PropValue());
    EXPECT_EQ(toGbk(list.name(1)).size(), 255);
    EXPECT_EQ(list.name(1), chinese.left(128));
}

TEST(PropertyList, ClearEmptiesTheList)
{
    TMyList list;
    list.AddValue(QStringLiteral("k"), PropValue(true));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.FindItem(QStringLiteral("k")), nullptr);
    list.AddValue(QStringLiteral("k"), PropValue(false));
    EXPECT_EQ(list.FindItem(QStringLiteral("k"))->Value.toText(), QStringLiteral("False"));
}

TEST(Gbk, CutNeverSplitsACharacter)
{
    const QString s = QStringLiteral("ab落地架");
    EXPECT_EQ(toGbk(s).size(), 8);
    EXPECT_EQ(toGbkCut(s, 5), toGbk(QStringLiteral("ab落")));
    EXPECT_EQ(toGbkCut(s, 4), toGbk(QStringLiteral("ab落")));
    EXPECT_EQ(toGbkCut(s, 3), toGbk(QStringLiteral("ab")));
    EXPECT_EQ(fromGbk(toGbk(s)), s);
    // Half a character at the end of one text must not change the next one.
    fromGbk(QByteArray("\xb0"));
    EXPECT_EQ(fromGbk(QByteArray("A")), QStringLiteral("A"));
}

} // namespace
