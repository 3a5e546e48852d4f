#include "TempHome.h"
#include "core/Gbk.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using Status = ProjectFile::Status;

quint32 u32At(const QByteArray& b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

void putU32(QByteArray& b, int offset, quint32 v)
{
    qToLittleEndian(v, b.data() + offset);
}

TYsObj* add(TYsProject& p, const QString& caption, qint32 index, qint32 parent, qint32 type)
{
    auto obj = std::make_unique<TYsObj>();
    obj->Caption = caption;
    obj->Index = index;
    obj->P_index = parent;
    obj->TypeId = type;
    return p.addObject(std::move(obj));
}

// A project whose attribute list is 180 bytes long: 13 keys with 140 name bytes, and the values "" x 6, "0" x 5,
// "" and "False" (10 bytes): 4 + 13 * 2 + 140 + 10.
std::unique_ptr<TYsProject> emptyProject()
{
    auto p = std::make_unique<TYsProject>();
    p->prjdate.clear();
    return p;
}

constexpr quint32 kEmptyProjectListSize = 180;

// A folder "F" (0, -1) with the objects "A" (1) and "B" (2) below it: lists of 42, 41 and 41 bytes
// (4 + 4 * 2 + 25 name bytes + 5, 4 or 4 value bytes).
std::unique_ptr<TYsProject> folderWithTwoObjects()
{
    auto p = emptyProject();
    add(*p, QStringLiteral("F"), 0, -1, 1);
    add(*p, QStringLiteral("A"), 1, 0, 2);
    add(*p, QStringLiteral("B"), 2, 0, 9);
    return p;
}

ProjectFile::ReadResult readBack(const QByteArray& bytes)
{
    return ProjectFile::readBytes(bytes, QStringLiteral("x.yss"));
}

TEST(ProjectFileLayout, NoObjects)
{
    TempHome home;
    auto p = emptyProject();
    const QByteArray b = ProjectFile::serialize(*p);
    ASSERT_EQ(b.size(), 24 + int(kEmptyProjectListSize));
    EXPECT_EQ(b.left(16), QByteArray("\x0fyss00.0000.0005"));
    EXPECT_EQ(u32At(b, 16), 24u); // project list offset
    EXPECT_EQ(u32At(b, 20), 0u);
    EXPECT_EQ(u32At(b, 24), 13u); // the list's entry count stands where the type table offset would
    EXPECT_EQ(b.mid(28, 8), QByteArray("\x07prjname\x00", 9).left(8));

    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_TRUE(r.project->ObjList.empty());
    EXPECT_TRUE(home.messages().shown().empty());
}

TEST(ProjectFileLayout, OneObject)
{
    TempHome home;
    auto p = emptyProject();
    add(*p, QStringLiteral("F"), 0, -1, 1);
    const QByteArray b = ProjectFile::serialize(*p);
    // 24 + 8 = 32 for the project list, no gap, type table at 32 + 180 = 212, the object's list at 216.
    EXPECT_EQ(u32At(b, 16), 32u);
    EXPECT_EQ(u32At(b, 20), 1u);
    EXPECT_EQ(u32At(b, 24), 212u);
    EXPECT_EQ(u32At(b, 28), 216u);
    EXPECT_EQ(u32At(b, 32), 13u);
    EXPECT_EQ(u32At(b, 212), 1u);
    EXPECT_EQ(b.size(), 216 + 42);
    EXPECT_EQ(b.mid(216),
              QByteArray("\x04\x00\x00\x00\x07"
                         "caption\x01"
                         "F\x05"
                         "index\x01"
                         "0\x07"
                         "P_index\x02"
                         "-1\x06"
                         "typeid\x01"
                         "1",
                         42));
}

TEST(ProjectFileLayout, ThreeObjectsWithTheGap)
{
    TempHome home;
    auto p = folderWithTwoObjects();
    const QByteArray b = ProjectFile::serialize(*p);
    EXPECT_EQ(u32At(b, 16), 48u);
    EXPECT_EQ(u32At(b, 20), 3u);
    EXPECT_EQ(u32At(b, 24), 228u); // 48 + 180
    EXPECT_EQ(u32At(b, 28), 240u); // right after the 12-byte type table
    EXPECT_EQ(u32At(b, 32), 282u);
    EXPECT_EQ(u32At(b, 36), 323u);
    EXPECT_EQ(b.mid(40, 8), QByteArray(8, '\0'));
    EXPECT_EQ(u32At(b, 228), 1u);
    EXPECT_EQ(u32At(b, 232), 2u);
    EXPECT_EQ(u32At(b, 236), 9u);
    EXPECT_EQ(b.size(), 364);

    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    ASSERT_EQ(r.project->ObjList.size(), 3u);
    EXPECT_EQ(r.project->ObjList[2]->Caption, QStringLiteral("B"));
    EXPECT_EQ(r.project->ObjList[2]->TypeId, 9); // never changed to its partner 2
    EXPECT_EQ(r.project->ObjList[1]->P_index, 0);
    EXPECT_EQ(ProjectFile::serialize(*r.project), b);
}

TEST(ProjectFileLayout, DeletedObjectsAndTheirChildrenAreNotWritten)
{
    TempHome home;
    auto p = folderWithTwoObjects();
    add(*p, QStringLiteral("C"), 3, -1, 2);
    p->MarkDeleted(0);
    const QByteArray b = ProjectFile::serialize(*p);
    EXPECT_EQ(u32At(b, 20), 1u);
    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    ASSERT_EQ(r.project->ObjList.size(), 1u);
    EXPECT_EQ(r.project->ObjList[0]->Caption, QStringLiteral("C"));
}

TEST(ProjectFileLayout, LongValuesAreCutTo255BytesOnACharacterBoundary)
{
    TempHome home;
    auto p = emptyProject();
    p->descmemo = QString(300, QLatin1Char('d'));
    p->prjname = QStringLiteral("a") + QString(200, QChar(0x67B6)); // 架, two bytes each
    const ProjectFile::ReadResult r = readBack(ProjectFile::serialize(*p));
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.project->descmemo, QString(255, QLatin1Char('d')));
    EXPECT_EQ(r.project->prjname, p->prjname.left(128)); // 1 + 127 * 2 = 255 bytes
}

TEST(ProjectFileLayout, ChineseTextIsGbkOnDisk)
{
    TempHome home;
    auto p = emptyProject();
    p->prjname = QStringLiteral("云杉");
    const QByteArray b = ProjectFile::serialize(*p);
    EXPECT_TRUE(b.contains(QByteArray("\x07prjname\x04") + toGbk(QStringLiteral("云杉"))));
}

// Header variants: the magic in any letter case, other magics ignored silently, the version decides the rest.
TEST(ProjectFileHeader, MagicAndVersion)
{
    struct Case
    {
        const char* header;
        Status status;
        const char* message;
    };
    const Case cases[] = {
        {"yss00.0000.0005", Status::Ok, nullptr},
        {"YSS00.0000.0005", Status::Ok, nullptr},
        {"ySs01.0002.0005", Status::Ok, nullptr},
        {"abc00.0000.0005", Status::Foreign, nullptr},
        {"yst00.0000.0005", Status::Foreign, nullptr},
        {"yss00.0000.0006", Status::Newer, "工程版本比软件版本更新！请升级新程序"},
        {"yss00.0000.0004", Status::Ok, "您所打开的工程是老版本软件所创建,系统自动转换成新版本格式！"},
        {"yss00.0000.00x5", Status::Unreadable, "读取文件出错！"},
        {"yss00.0000-0005", Status::Unreadable, "读取文件出错！"},
    };
    auto p = std::make_unique<TYsProject>();
    for (const Case& c : cases) {
        TempHome home;
        p = folderWithTwoObjects();
        QByteArray b = ProjectFile::serialize(*p);
        b.replace(1, 15, QByteArray(c.header));
        const ProjectFile::ReadResult r = readBack(b);
        EXPECT_EQ(r.status, c.status) << c.header;
        const QStringList expected = c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
        EXPECT_EQ(home.messages().texts(), expected) << c.header;
        if (r.status == Status::Ok) {
            EXPECT_EQ(r.project->ObjList.size(), 3u);
            EXPECT_EQ(ProjectFile::serialize(*r.project).left(16), QByteArray("\x0fyss00.0000.0005"));
        }
    }
}

TEST(ProjectFilePassword, OnlyTheExactPasswordOpens)
{
    auto p = folderWithTwoObjects();
    p->setPassword(QStringLiteral("Abc123"));
    const QByteArray b = ProjectFile::serialize(*p);
    struct Case
    {
        std::optional<QString> typed;
        Status status;
        QStringList messages;
    };
    const Case cases[] = {
        {QStringLiteral("Abc123"), Status::Ok, {}},
        {QStringLiteral("Abc123 "), Status::WrongPassword, {QStringLiteral("输入的密码不正确,打开文件失败！")}},
        {QStringLiteral("abc123"), Status::WrongPassword, {QStringLiteral("输入的密码不正确,打开文件失败！")}},
        {std::nullopt, Status::Cancelled, {}},
    };
    for (const Case& c : cases) {
        TempHome home;
        home.messages().setPassword(c.typed);
        const ProjectFile::ReadResult r = readBack(b);
        EXPECT_EQ(r.status, c.status) << c.typed.value_or(QStringLiteral("<cancel>")).toStdString();
        ASSERT_GE(home.messages().shown().size(), 1u);
        EXPECT_EQ(home.messages().shown()[0].title, QStringLiteral("请输入密码"));
        EXPECT_EQ(home.messages().shown()[0].text, QStringLiteral("输入工程文件密码:"));
        QStringList rest = home.messages().texts();
        rest.removeFirst();
        EXPECT_EQ(rest, c.messages);
    }
}

TEST(ProjectFileRobustness, EveryTruncationIsAReadErrorNeverACrash)
{
    TempHome home;
    auto p = folderWithTwoObjects();
    const QByteArray b = ProjectFile::serialize(*p);
    for (int len = 0; len < b.size(); ++len) {
        home.messages().clear();
        const ProjectFile::ReadResult r = readBack(b.left(len));
        EXPECT_EQ(r.status, Status::Unreadable) << len;
        EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("读取文件出错！")}) << len;
    }
}

TEST(ProjectFileRobustness, HostileCountsAndOffsets)
{
    TempHome home;
    auto p = folderWithTwoObjects();
    const QByteArray good = ProjectFile::serialize(*p);
    struct Case
    {
        int offset;
        quint32 value;
        const char* what;
    };
    const Case cases[] = {
        {20, 0xFFFFFFFFu, "object count"},
        {20, 100000u, "object count beyond the file"},
        {16, 0x7FFFFFFFu, "project list offset"},
        {24, 364u, "type table offset at the end"},
        {28, 5000u, "object list offset"},
        {48, 0xFFFFFFFFu, "entry count of the project list"},
        {240, 1000u, "entry count of an object list"},
    };
    for (const Case& c : cases) {
        home.messages().clear();
        QByteArray b = good;
        putU32(b, c.offset, c.value);
        const ProjectFile::ReadResult r = readBack(b);
        EXPECT_EQ(r.status, Status::Unreadable) << c.what;
        EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("读取文件出错！")}) << c.what;
    }
}

TEST(ProjectFileReading, TheTypeTableDecidesTheKind)
{
    TempHome home;
    auto p = emptyProject();
    TYsObj* a = add(*p, QStringLiteral("A"), 0, -1, 2);
    QByteArray b = ProjectFile::serialize(*p);
    Q_UNUSED(a);
    // The object's own list says typeid 1 (a folder): the type table's 2 wins.
    const int at = b.indexOf(QByteArray("\x06typeid\x01"
                                        "2"));
    ASSERT_GT(at, 0);
    b[at + 8] = '1';
    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.project->ObjList[0]->TypeId, 2);
    EXPECT_FALSE(r.project->ObjList[0]->isFolder());
}

TEST(ProjectFileReading, BadValuesAreWarnedOnceAndOtherKeysStillRead)
{
    TempHome home;
    auto p = emptyProject();
    add(*p, QStringLiteral("一号架"), 0, -1, 2);
    add(*p, QStringLiteral("二号架"), 1, -1, 2);
    p->BuildHigh = 30;
    QByteArray b = ProjectFile::serialize(*p);
    // "P_index" of the first object becomes "x1"; "BuildHigh" of the project "3a".
    const qsizetype at = b.indexOf(QByteArray("\x07P_index\x02-1"));
    b.replace(at, 11, QByteArray("\x07P_index\x02x1"));
    b.replace(QByteArray("\x09"
                         "BuildHigh\x02"
                         "30"),
              QByteArray("\x09"
                         "BuildHigh\x02"
                         "3a"));
    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral(
                  "工程文件中下列参数值无法识别，已保留原值：\n工程信息：BuildHigh\n“一号架”：P_index")});
    const TYsObj& first = *r.project->ObjList[0];
    EXPECT_EQ(first.Caption, QStringLiteral("一号架"));
    EXPECT_EQ(first.P_index, -1); // kept
    EXPECT_EQ(first.Index, 0);
    EXPECT_EQ(r.project->ObjList[1]->Caption, QStringLiteral("二号架"));
}

TEST(ProjectFileReading, AnUnknownKindKeepsItsWholeList)
{
    TempHome home;
    auto p = emptyProject();
    TYsObj* obj = add(*p, QStringLiteral("新类型"), 0, -1, 42);
    obj->PropList.AddValue(QStringLiteral("Future.span"), PropValue(QStringLiteral("1.5")));
    obj->LoadFromPropList(); // as if it had been read: the entry becomes one this program does not know
    obj->Caption = QStringLiteral("新类型");
    obj->Index = 0;
    obj->P_index = -1;
    obj->TypeId = 42;
    const QByteArray b = ProjectFile::serialize(*p);
    ASSERT_TRUE(b.contains("Future.span"));
    const ProjectFile::ReadResult r = readBack(b);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(ProjectFile::serialize(*r.project), b);
}

TEST(ProjectFileWriting, WriteIsAtomicAndAFailureIsReported)
{
    TempHome home;
    const QString path = home.file(QStringLiteral("工程.yss"));
    auto p = folderWithTwoObjects();
    p->FileName = path;
    p->Modified = true;
    ASSERT_TRUE(ProjectFile::write(*p));
    EXPECT_FALSE(p->Modified);
    const QByteArray old = readFile(path);
    ASSERT_EQ(old.size(), 364);

    // The file system refuses every byte past 200: the new file cannot be completed.
    p->descmemo = QString(250, QLatin1Char('m'));
    p->Modified = true;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool ok = ProjectFile::write(*p);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(p->Modified);
    EXPECT_EQ(readFile(path), old);
    ASSERT_EQ(home.messages().texts().size(), 1);
    EXPECT_TRUE(home.messages().texts()[0].startsWith(QStringLiteral("保存工程文件失败，原文件未被改动！")));
}

// One committed file per case that matters, written by the command line (and edited for the broken ones).
TEST(ProjectFileFixtures, CommittedFilesGiveTheirOutcomes)
{
    const QString older = QStringLiteral("您所打开的工程是老版本软件所创建,系统自动转换成新版本格式！");
    const QString readError = QStringLiteral("读取文件出错！");
    struct Case
    {
        const char* file;
        const char* password;
        Status status;
        QStringList messages;
        int objects;
    };
    const Case cases[] = {
        {"no-objects.yss", nullptr, Status::Ok, {}, 0},
        {"three-objects.yss", nullptr, Status::Ok, {}, 3},
        {"three-objects-v4.yss", nullptr, Status::Ok, {older}, 3},
        {"three-objects-v6.yss", nullptr, Status::Newer, {QStringLiteral("工程版本比软件版本更新！请升级新程序")}, 0},
        {"password-abc.yss", "abc", Status::Ok, {QStringLiteral("输入工程文件密码:")}, 3},
        {"password-abc.yss",
         "ABC",
         Status::WrongPassword,
         {QStringLiteral("输入工程文件密码:"), QStringLiteral("输入的密码不正确,打开文件失败！")},
         0},
        {"foreign-magic.yss", nullptr, Status::Foreign, {}, 0},
        {"truncated.yss", nullptr, Status::Unreadable, {readError}, 0},
        {"huge-count.yss", nullptr, Status::Unreadable, {readError}, 0},
    };
    for (const Case& c : cases) {
        TempHome home;
        if (c.password) {
            home.messages().setPassword(QString::fromLatin1(c.password));
        }
        const ProjectFile::ReadResult r
            = ProjectFile::read(QStringLiteral(YUNSHAN_TEST_DATA "/") + QString::fromLatin1(c.file));
        EXPECT_EQ(r.status, c.status) << c.file;
        EXPECT_EQ(home.messages().texts(), c.messages) << c.file;
        if (r.project) {
            EXPECT_EQ(int(r.project->ObjList.size()), c.objects) << c.file;
            EXPECT_FALSE(r.project->Modified);
        }
    }
    TempHome home;
    const ProjectFile::ReadResult r = ProjectFile::read(QStringLiteral(YUNSHAN_TEST_DATA "/three-objects.yss"));
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.project->prjname, QStringLiteral("云杉花园"));
    EXPECT_EQ(r.project->descmemo, QStringLiteral("第一行\r第二行\r"));
    EXPECT_EQ(r.project->BuildHigh, 54.6);
    EXPECT_TRUE(r.project->FlagWriteToCal);
    EXPECT_EQ(r.project->ObjList[2]->TypeId, 9);
    EXPECT_EQ(r.project->ObjList[2]->Caption, QStringLiteral("西立面"));
}

TEST(ProjectFileNames, EnsureExtensionAndReadingMissingFiles)
{
    EXPECT_EQ(ProjectFile::EnsureExtension(QStringLiteral("a")), QStringLiteral("a.yss"));
    EXPECT_EQ(ProjectFile::EnsureExtension(QStringLiteral("a.yss")), QStringLiteral("a.yss"));
    EXPECT_EQ(ProjectFile::EnsureExtension(QStringLiteral("a.YSS")), QStringLiteral("a.YSS.yss"));
    TempHome home;
    EXPECT_EQ(ProjectFile::read(home.file(QStringLiteral("none.yss"))).status, Status::NotFound);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("打开的文件不存在!")});
}

} // namespace
