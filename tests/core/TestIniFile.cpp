#include "TempHome.h"
#include "core/Gbk.h"
#include "core/IniFile.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, NamesMatchWithoutCaseAndWritingKeepsEverythingElse)
{
    IniFile ini;
    ini.parse(toGbk(QStringLiteral("; 注释\r\n[Ground information]\r\nExPara.h = 1.8\r\ncaption=落地架\r\n\r\n"
                                   "[Other]\r\nkeep=this\r\n")));
    EXPECT_EQ(ini.value(QStringLiteral("GROUND INFORMATION"), QStringLiteral("expara.H")), QStringLiteral("1.8"));
    EXPECT_EQ(ini.value(QStringLiteral("Ground information"), QStringLiteral("caption")), QStringLiteral("落地架"));
    EXPECT_EQ(ini.value(QStringLiteral("Ground information"), QStringLiteral("absent"), QStringLiteral("d")),
              QStringLiteral("d"));

    ini.setValue(QStringLiteral("ground Information"), QStringLiteral("EXPARA.H"), QStringLiteral("2"));
    ini.setValue(QStringLiteral("Ground information"), QStringLiteral("ExPara.la"), QStringLiteral("1.5"));
    ini.setValue(QStringLiteral("GroundPlat information"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(fromGbk(ini.serialize()),
              QStringLiteral("; 注释\r\n[Ground information]\r\nExPara.h=2\r\ncaption=落地架\r\nExPara.la=1.5\r\n\r\n"
                             "[Other]\r\nkeep=this\r\n[GroundPlat information]\r\nk=v\r\n"));
}

TEST(IniFile, MissingFileIsEmptyAndSaveIsGbkOnDisk)
{
    TempHome home;
    IniFile ini;
    ASSERT_TRUE(ini.load(home.file(QStringLiteral("update.ini"))));
    EXPECT_TRUE(ini.sections().isEmpty());
    ini.setValue(QStringLiteral("Door information"), QStringLiteral("caption"), QStringLiteral("门架"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readFile(home.file(QStringLiteral("update.ini"))),
              toGbk(QStringLiteral("[Door information]\r\ncaption=门架\r\n")));

    IniFile again;
    ASSERT_TRUE(again.load(home.file(QStringLiteral("update.ini"))));
    EXPECT_EQ(again.value(QStringLiteral("door information"), QStringLiteral("CAPTION")), QStringLiteral("门架"));
}

TEST(IniFile, FailedSaveIsReported)
{
    TempHome home;
    const QString path = home.file(QStringLiteral("sub/update.ini")); // the folder does not exist
    IniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.setValue(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    QString error;
    EXPECT_FALSE(ini.save(&error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
