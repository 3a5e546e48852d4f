#include "Cli.h"
#include "TempHome.h"
#include "calc/CalcKinds.h"
#include "core/AppPaths.h"
#include "core/Gbk.h"

#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int status;
    QString out;
    QString err;
};

class Cli : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerCalculationKinds(); }

    CliRun run(QStringList args)
    {
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        args << QStringLiteral("--home") << home.path();
        const int status = runCli(args, o, e);
        o.flush();
        e.flush();
        return CliRun{status, out, err};
    }

    // Runs a command that must succeed and returns its output.
    QString ok(const QStringList& args)
    {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << args.join(QLatin1Char(' ')).toStdString() << ": " << r.err.toStdString();
        return r.out;
    }

    TempHome home;
    QString file = home.file(QStringLiteral("工程.yss"));
};

TEST_F(Cli, RoundTripsFoldersEveryKindChineseCaptionsAndAPassword)
{
    ok({"new", file, "--name", "云杉花园"});
    EXPECT_EQ(ok({"add", file, "文件夹", "一号楼"}), QStringLiteral("0\n"));
    EXPECT_EQ(ok({"add", file, "落地架", "东立面落地架", "--parent", "0"}), QStringLiteral("1\n"));
    const QStringList names
        = {"普通悬挑架", "联梁悬挑架", "模板支架", "板高支撑", "梁高支撑", "落地平台", "门架", "悬挑卸料平台"};
    for (const QString& kind : names) {
        ok({"add", file, kind, kind + QStringLiteral("一"), "--parent", "0"});
    }
    for (const char* code : {"9", "10", "11", "12", "13", "14", "15", "18", "19"}) {
        ok({"add", file, code, QStringLiteral("类型") + QString::fromLatin1(code)});
    }
    ok({"add", file, "文件夹", "二号楼"});
    ok({"set", file, "project", "prjdirector=张工", "BuildHigh=54.6", "FlagWriteToCal=True", "password=  s3cret  "});

    // Without the password the project does not open; with it, everything is there.
    const CliRun locked = run({"list", file});
    EXPECT_EQ(locked.status, 1);
    EXPECT_TRUE(locked.err.contains(QStringLiteral("--password")));
    const CliRun wrong = run({"list", file, "--password", "s3cret "});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err, QStringLiteral("输入的密码不正确,打开文件失败！\n"));

    const QString list = ok({"list", file, "--password", "s3cret"});
    QStringList lines = list.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 8 + 9 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("0\t-1\t1\t一号楼"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t0\t2\t东立面落地架"));
    EXPECT_EQ(lines[2], QStringLiteral("2\t0\t3\t普通悬挑架一"));
    EXPECT_EQ(lines[9], QStringLiteral("9\t0\t17\t悬挑卸料平台一"));
    EXPECT_EQ(lines[10], QStringLiteral("10\t-1\t9\t类型9"));
    EXPECT_EQ(lines[17], QStringLiteral("17\t-1\t18\t类型18"));
    EXPECT_EQ(lines[19], QStringLiteral("19\t-1\t1\t二号楼"));

    EXPECT_EQ(ok({"get", file, "project", "prjname", "--password", "s3cret"}), QStringLiteral("云杉花园\n"));
    EXPECT_EQ(ok({"get", file, "project", "password", "--password", "s3cret"}), QStringLiteral("s3cret\n"));
    const QString project = ok({"get", file, "project", "--password", "s3cret"});
    EXPECT_EQ(
        project,
        QStringLiteral("prjname=云杉花园\nprjdirector=张工\nscheduleMaker=\nprjdate=\ndescmemo=\npassword=s3cret\n"
                       "StructureType=0\nBuildHigh=54.6\nFloorHigh=0\nStructureArea=0\nTimeOfProject=0\n"
                       "ConstuctionUnit=\nFlagWriteToCal=True\n"));
    EXPECT_TRUE(ok({"get", file, "1", "--password", "s3cret"})
                    .startsWith(QStringLiteral("caption=东立面落地架\nindex=1\nP_index=0\ntypeid=2\nExPara.h=1.5\n")));
    EXPECT_EQ(ok({"get", file, "8", "--password", "s3cret"}),
              QStringLiteral("caption=门架一\nindex=8\nP_index=0\ntypeid=16\n"));

    ok({"set", file, "1", "caption=西立面", "--password", "s3cret"});
    EXPECT_EQ(ok({"get", file, "1", "CAPTION", "--password", "s3cret"}), QStringLiteral("西立面\n"));
}

TEST_F(Cli, RefusalsLeaveTheFileUntouched)
{
    ok({"new", file, "--name", "甲"});
    ok({"add", file, "文件夹", "F"});
    ok({"add", file, "落地架", "G", "--parent", "0"});
    const QByteArray before = readFile(file);

    struct Case
    {
        QStringList args;
        int status;
        QString err;
    };
    const Case cases[] = {
        {{"set", file, "1", "nosuchkey=1"}, 1, QStringLiteral("对象1没有参数nosuchkey\n")},
        {{"set", file, "project", "BuildHigh=高"}, 1, QStringLiteral("参数BuildHigh的值“高”无法识别\n")},
        {{"set", file, "project", "prjname=乙", "StructureType=300"},
         1,
         QStringLiteral("参数StructureType的值“300”无法识别\n")},
        {{"set", file, "1", "index=5"}, 1, QStringLiteral("参数index由工程管理，不能修改\n")},
        {{"set", file, "1", "caption= "}, 1, QStringLiteral("脚手架名不能为空！\n")},
        {{"set", file, "0", "P_index=1"}, 1, QStringLiteral("编号1不是工程中的文件夹\n")},
        {{"set", file, "7", "caption=x"}, 1, QStringLiteral("工程中没有编号为7的对象\n")},
        {{"add", file, "落地架", "H", "--parent", "1"}, 1, QStringLiteral("编号1不是工程中的文件夹\n")},
        {{"new", file}, 1, QStringLiteral("文件已经存在: ") + file + QLatin1Char('\n')},
        {{"get", file, "1", "NoSuchKey"}, 1, QStringLiteral("没有参数NoSuchKey\n")},
        {{"set", file, "1", "ExPara.h=1,5"}, 1, QStringLiteral("参数ExPara.h的值“1,5”无法识别\n")},
        {{"set", file, "1", "ExPara.HPoleAgraffeLay=256"},
         1,
         QStringLiteral("参数ExPara.HPoleAgraffeLay的值“256”无法识别\n")},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.err, c.err) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(readFile(file), before);
    }
}

TEST_F(Cli, UsageErrorsAndFailedOpens)
{
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"frobnicate"}).status, 2);
    EXPECT_EQ(run({"add", file, "不存在的类型", "x"}).status, 2);
    EXPECT_EQ(run({"list", file, "--password"}).status, 2);
    EXPECT_EQ(run({"get", file, "abc"}).status, 2);

    const CliRun missing = run({"list", file});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, QStringLiteral("打开的文件不存在!\n"));

    writeFile(file, QByteArray("\x0fPK\x03\x04garbage.zip.00"));
    const CliRun foreign = run({"list", file});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_EQ(foreign.err, file + QStringLiteral("不是工程文件\n"));

    writeFile(file, QByteArray("\x0fyss00.0000.0007") + QByteArray(8, '\0'));
    const CliRun newer = run({"list", file});
    EXPECT_EQ(newer.status, 1);
    EXPECT_EQ(newer.err, QStringLiteral("工程版本比软件版本更新！请升级新程序\n"));
}

TEST_F(Cli, NewObjectsStartFromTheKindsDefaults)
{
    // The defaults section gives the parameters of a new object; its base keys are ignored.
    writeFile(AppPaths::updateIniPath(),
              toGbk(QStringLiteral("[Ground information]\r\ncaption=旧名\r\nindex=9\r\ntypeid=4\r\n"
                                   "ExPara.h=1.8\r\nExPara.La=\r\nWindLoad.District=杭州市\r\n")));
    ok({"new", file});
    ok({"add", file, "落地架", "新架"});
    EXPECT_TRUE(ok({"get", file, "0"}).startsWith(QStringLiteral("caption=新架\nindex=0\nP_index=-1\ntypeid=2\n")));
    EXPECT_EQ(ok({"get", file, "0", "ExPara.h"}), QStringLiteral("1.8\n"));
    EXPECT_EQ(ok({"get", file, "0", "ExPara.La"}), QStringLiteral("1.2\n")); // empty in the file: the default stays
    EXPECT_EQ(ok({"get", file, "0", "WindLoad.District"}), QStringLiteral("杭州市\n"));
}

} // namespace

namespace {

TEST_F(Cli, ReportWritesTheTitleAndProjectBlockInEveryFormat)
{
    ok({"new", file, "--name", "云杉花园"});
    ok({"add", file, "文件夹", "一号楼"});
    ok({"add", file, "落地架", "东立面落地架", "--parent", "0"});
    ok({"add", file, "门架", "门架一"});
    ok({"set", file, "project", "FlagWriteToCal=True", "BuildHigh=54.6", "StructureType=0",
        "ConstuctionUnit=某建设公司"});

    const QString title = QStringLiteral("门架一计算书");
    const QString block = QStringLiteral("工程名称：云杉花园；结构类型：框架；建筑高度：54.60m；标准层层高：0.00m ；");
    for (const char* format : {"rtf", "odt", "pdf", "html", "txt"}) {
        const QString out = home.file(QStringLiteral("book.") + QString::fromLatin1(format));
        EXPECT_EQ(ok({"report", file, "2", "-o", out}), out + QLatin1Char('\n'));
        const QByteArray bytes = readFile(out);
        ASSERT_FALSE(bytes.isEmpty()) << format;
        const QString f = QString::fromLatin1(format);
        if (f == QLatin1String("txt") || f == QLatin1String("html")) {
            const QString text = QString::fromUtf8(bytes);
            EXPECT_TRUE(text.contains(title)) << format;
            EXPECT_TRUE(text.contains(block)) << format;
        } else if (f == QLatin1String("rtf")) {
            EXPECT_TRUE(bytes.startsWith("{\\rtf1")) << format;
            EXPECT_TRUE(bytes.contains("\\ansicpg936"));
        } else if (f == QLatin1String("odt")) {
            EXPECT_TRUE(bytes.startsWith("PK")); // a zip container
        } else if (f == QLatin1String("pdf")) {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            // The Chinese text extracts as the same characters (no look-alike radicals).
            QProcess p;
            p.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), out, QStringLiteral("-")});
            if (p.waitForStarted() && p.waitForFinished()) {
                const QString text = QString::fromUtf8(p.readAllStandardOutput()).remove(QLatin1Char(' '));
                EXPECT_TRUE(text.contains(title)) << text.toStdString();
                EXPECT_TRUE(text.contains(QStringLiteral("总建筑面积")));
            } else {
                ADD_FAILURE() << "pdftotext is needed to check the PDF's text";
            }
        }
    }
    // The same bytes under the word processor's name.
    ok({"report", file, "2", "-o", home.file(QStringLiteral("book.Doc"))});
    EXPECT_EQ(readFile(home.file(QStringLiteral("book.Doc"))), readFile(home.file(QStringLiteral("book.rtf"))));

    const QString other = home.file(QStringLiteral("其它.yss"));
    ok({"new", other, "--name", "云杉花园"});
    ok({"add", other, "文件夹", "一号楼"});
    ok({"add", other, "门架", "门架一", "--parent", "0"});
    ok({"add", other, "悬挑卸料平台", "平台一"});
    ok({"set", other, "project", "FlagWriteToCal=True"});
    const CliRun all = run({"report", other, "--all", "-o", home.file(QStringLiteral("books")), "--format", "txt"});
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_EQ(all.out,
              home.file(QStringLiteral("books/1-门架一.txt")) + QLatin1Char('\n')
                  + home.file(QStringLiteral("books/2-平台一.txt")) + QLatin1Char('\n'));
    const QString door = QString::fromUtf8(readFile(home.file(QStringLiteral("books/1-门架一.txt"))));
    EXPECT_TRUE(door.startsWith(QStringLiteral("             门架一计算书\n\n        工程名称：云杉花园")));

    EXPECT_EQ(run({"report", file, "0"}).err, QStringLiteral("编号0是文件夹，没有计算书\n"));
    EXPECT_EQ(run({"report", file, "2", "--format", "docx"}).status, 2);
    // Without -o the book goes into the program folder's 我的计算书.
    EXPECT_EQ(ok({"report", file, "2"}), home.file(QStringLiteral("我的计算书/门架一.rtf")) + QLatin1Char('\n'));
}

} // namespace
