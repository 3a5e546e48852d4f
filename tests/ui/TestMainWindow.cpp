#include "TempHome.h"
#include "calc/CalcKinds.h"
#include "core/TYsProject.h"
#include "report/ReportFonts.h"
#include "ui/ShellDialogs.h"
#include "ui/Tfm_main.h"
#include "ui/Tfm_prj.h"
#include "ui/YsApplication.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Answer = Messages::Answer;

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerCalculationKinds();
        shellDialogs().editAttributes = [](TYsProject& p, QWidget*) {
            p.prjname = QStringLiteral("工程");
            return true;
        };
        shellDialogs().openUrl = [this](const QUrl& url) { opened.append(url); };
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetShellDialogs();
    }
    static void discardAll(Tfm_main& m)
    {
        for (Tfm_prj* w : m.projectWindows()) {
            w->discard();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TempHome home;
    QList<QUrl> opened;
};

TEST_F(MainWindowTest, CommandsCarryTheirCaptionsShortcutsAndCategories)
{
    Tfm_main m;
    struct Row
    {
        const char* name;
        const char* category;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {"Act_NewPrj", "工程", "新建工程", "Ctrl+N"},
        {"Act_OpenPrj", "工程", "打开工程", "Ctrl+O"},
        {"Act_SavePrj", "工程", "保存工程", "Ctrl+S"},
        {"Act_Close", "工程", "关闭工程", "F7"},
        {"Act_SaveAs", "工程", "工程另存为", "F6"},
        {"Act_SaveAll", "工程", "保存所有工程", "F5"},
        {"Act_CloseAll", "工程", "关闭所有工程", "F8"},
        {"Act_SetPrjAttr", "工程", "工程属性", "Ctrl+P"},
        {"Act_ManagerLogin", "工程", "管理员登陆", "Ctrl+Shift+F12"},
        {"Act_ManagerLogOut", "工程", "注销", ""},
        {"Act_Exit", "工程", "退出", ""},
        {"Act_AddFileFolder", "编辑", "添加文件夹", "F3"},
        {"Act_AddYsObj", "编辑", "添加脚手架", "F4"},
        {"Act_delete", "编辑", "删除", "Ctrl+Del"},
        {"Act_Rename", "编辑", "重命名节点", "F2"},
        {"WindowCascade1", "窗口", "层叠窗口", ""},
        {"WindowTileHorizontal1", "窗口", "水平排列窗口", ""},
        {"WindowTileVertical1", "窗口", "垂直排列窗口", ""},
        {"Acti_helpTheme", "帮助", "帮助主题", ""},
        {"act_scaffold1", "帮助", "脚手架构造要求一", ""},
        {"act_scaffold2", "帮助", "脚手架构造要求二", ""},
        {"Act_Upgrage", "帮助", "在线升级", ""},
        {"Act_HomePage", "帮助", "公司主页", ""},
        {"Act_About", "帮助", "关于", ""},
        {"para1_Action1", "系统参数配置", "每米立杆承受的结构自重标准值gk", ""},
        {"Para4_Action4", "系统参数配置", "混凝土强度设计值", ""},
    };
    for (const Row& r : rows) {
        QAction* a = m.command(QString::fromLatin1(r.name));
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(r.caption)) << r.name;
        EXPECT_EQ(a->property("category").toString(), QString::fromUtf8(r.category)) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
    }
}

TEST_F(MainWindowTest, WithoutAProjectOnlyTheProjectlessCommandsWork)
{
    Tfm_main m;
    m.show();
    for (const char* name : {"Act_SavePrj", "Act_SaveAll", "Act_SetPrjAttr", "Act_Close", "Act_CloseAll", "Act_SaveAs",
                             "Act_AddFileFolder", "Act_AddYsObj", "Act_delete", "Act_Rename"}) {
        EXPECT_FALSE(m.command(QString::fromLatin1(name))->isEnabled()) << name;
    }
    for (const char* name : {"Act_NewPrj", "Act_OpenPrj", "Act_Exit", "Act_About"}) {
        EXPECT_TRUE(m.command(QString::fromLatin1(name))->isEnabled()) << name;
    }
    EXPECT_FALSE(m.command(QStringLiteral("Act_ManagerLogin"))->isVisible());
    EXPECT_FALSE(m.command(QStringLiteral("Act_ManagerLogOut"))->isVisible());

    m.command(QStringLiteral("Para2_Action3"))->trigger();
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("你不具备管理员的权限，操作被取消！")});

    m.command(QStringLiteral("act_scaffold2"))->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/accessories/脚手架构造要求二.rtf")));
}

TEST_F(MainWindowTest, RunModeComesFromTheFirstLineOfSetm)
{
    struct Case
    {
        const char* content; // nullptr: no file
        Tfm_main::RunMode mode;
    };
    const Case cases[] = {
        {nullptr, Tfm_main::RunMode::Suite},
        {"standalone", Tfm_main::RunMode::Standalone},
        {"StandAlone\r\nsomething else", Tfm_main::RunMode::Standalone},
        {"standalone2", Tfm_main::RunMode::Suite},
        {"\nstandalone", Tfm_main::RunMode::Suite},
    };
    for (const Case& c : cases) {
        const QString path = home.file(QStringLiteral("setm.dll"));
        QFile::remove(path);
        if (c.content) {
            writeFile(path, c.content);
        }
        EXPECT_EQ(Tfm_main::runModeFrom(path), c.mode) << (c.content ? c.content : "(none)");
    }
}

TEST_F(MainWindowTest, TheSuiteModuleHasItsOwnCaptionsAndNoHelpMenu)
{
    for (Tfm_main::RunMode mode : {Tfm_main::RunMode::Standalone, Tfm_main::RunMode::Suite}) {
        const bool alone = mode == Tfm_main::RunMode::Standalone;
        Tfm_main m(mode);
        m.show();
        EXPECT_EQ(m.windowTitle(),
                  alone ? QStringLiteral("云杉脚手架智能计算软件")
                        : QStringLiteral("云杉施工安全设施计算软件－脚手架计算"));
        EXPECT_EQ(m.command(QStringLiteral("Act_Exit"))->text(),
                  alone ? QStringLiteral("退出") : QStringLiteral("关闭"));
        EXPECT_EQ(m.findChild<QMenu*>(QStringLiteral("mnu_help"))->menuAction()->isVisible(), alone);
        EXPECT_EQ(m.findChild<QToolBar*>(QStringLiteral("tb_company"))->isVisible(), alone);

        home.messages().clear();
        home.messages().queueAnswer(Answer::No);
        m.command(QStringLiteral("Act_Exit"))->trigger();
        EXPECT_EQ(home.messages().texts(),
                  QStringList{alone ? QStringLiteral("确认要退出 云杉脚手架智能计算软件 吗？")
                                    : QStringLiteral("确认要关闭 脚手架计算 吗？")});
        EXPECT_TRUE(m.isVisible());
    }
}

TEST_F(MainWindowTest, TheTwentyFirstProjectIsRefused)
{
    Tfm_main m;
    for (int i = 0; i < Tfm_main::kMaxProjectWindows; ++i) {
        ASSERT_NE(m.newProject(), nullptr);
    }
    EXPECT_EQ(m.newProject(), nullptr);
    EXPECT_EQ(m.projectWindows().size(), Tfm_main::kMaxProjectWindows);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("创建的工程数目已经超出允许的范围，操作被取消！")});
    discardAll(m);
}

TEST_F(MainWindowTest, TheLoginShortcutWorksWhileTheCommandIsHidden)
{
    Tfm_main m;
    m.show();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    QTest::keyClick(&m, Qt::Key_F12, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(m.command(QStringLiteral("Act_ManagerLogin"))->isVisible());
    EXPECT_TRUE(m.command(QStringLiteral("Act_ManagerLogOut"))->isVisible());
    m.command(QStringLiteral("Act_ManagerLogOut"))->trigger();
    EXPECT_FALSE(m.command(QStringLiteral("Act_ManagerLogin"))->isVisible());
}

TEST(GeneralErrorHandler, AnExceptionBecomesTheGeneralMessage)
{
    TempHome home;
    bool ran = false;
    EXPECT_TRUE(YsApplication::guarded([&] { return ran = true; }));
    EXPECT_TRUE(home.messages().texts().isEmpty());
    EXPECT_FALSE(YsApplication::guarded([]() -> bool { throw std::runtime_error("读取文件出错！"); }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("软件发生异常，请与软件供应商联系！")});
}

// With YUNSHAN_SCREENSHOT_DIR set, the main window with two projects and a project window as PNGs.
TEST(Screenshots, MainWindow)
{
    const QString dir = qEnvironmentVariable("YUNSHAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        GTEST_SKIP() << "YUNSHAN_SCREENSHOT_DIR not set";
    }
    installReportFonts();
    registerCalculationKinds();
    TempHome home;
    QString nextName = QStringLiteral("滨江花园三期");
    shellDialogs().editAttributes = [&](TYsProject& p, QWidget*) {
        p.prjname = nextName;
        return true;
    };
    Tfm_main m;
    m.resize(1100, 720);
    m.show();
    m.newProject();
    nextName = QStringLiteral("城南商业中心");
    Tfm_prj* w = m.newProject();
    shellDialogs().askFolderName = [](QWidget*) { return std::optional<QString>(QStringLiteral("主楼")); };
    m.command(QStringLiteral("Act_AddFileFolder"))->trigger();
    int n = 0;
    shellDialogs().chooseNewObject = [&](QWidget*) {
        ++n;
        return std::optional<ShellDialogs::NewObject>(
            {n == 1 ? 2 : 3, n == 1 ? QStringLiteral("1#楼落地架") : QStringLiteral("2#楼悬挑架")});
    };
    QTreeWidgetItem* folder = w->tree()->currentItem();
    m.command(QStringLiteral("Act_AddYsObj"))->trigger();
    w->tree()->setCurrentItem(folder);
    m.command(QStringLiteral("Act_AddYsObj"))->trigger();
    m.command(QStringLiteral("WindowCascade1"))->trigger();
    QCoreApplication::processEvents();
    QDir().mkpath(dir);
    EXPECT_TRUE(m.grab().save(dir + QStringLiteral("/main-window.png")));
    EXPECT_TRUE(w->grab().save(dir + QStringLiteral("/project-window.png")));
    for (Tfm_prj* p : m.projectWindows()) {
        p->discard();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetShellDialogs();
}

} // namespace
