#include "TempHome.h"
#include "calc/CalcKinds.h"
#include "calc/ground/TGroundScaffold.h"
#include "core/TYsProject.h"
#include "refdata/Tdm1.h"
#include "report/ReportDocument.h"
#include "report/ReportFonts.h"
#include "ui/GroundScaffoldPage.h"
#include "ui/InputChecks.h"
#include "ui/ScaffoldFrame.h"
#include "ui/ShellDialogs.h"
#include "ui/Tfm_LoadPara.h"
#include "ui/Tfm_main.h"
#include "ui/Tfm_outputfile.h"
#include "ui/Tfm_prj.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Answer = Messages::Answer;

// A project window holding the scaffold "1号架" (defaults of a new object) and a folder "一区", page 1 shown.
class GroundScaffoldPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerCalculationKinds();
        ShellDialogs& d = shellDialogs();
        d.editAttributes = [](TYsProject& p, QWidget*) {
            p.prjname = QStringLiteral("桥梁工程");
            return true;
        };
        d.askFolderName = [](QWidget*) { return std::optional<QString>(QStringLiteral("一区")); };
        d.chooseNewObject = [](QWidget*) {
            return std::optional<ShellDialogs::NewObject>(ShellDialogs::NewObject{2, QStringLiteral("1号架")});
        };
        d.chooseSaveFile = [this](QWidget*, const QString&, const QString&) { return saveName; };
        d.showReport = [this](Tfm_outputfile& w) {
            ++reports;
            shownReport = w.report().document().toPlainText();
        };
        main.setFeedbackDelay(0);
        main.resize(1000, 700);
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        main.command(QStringLiteral("Act_NewPrj"))->trigger();
        w = main.activeProjectWindow();
        ASSERT_NE(w, nullptr);
        main.command(QStringLiteral("Act_AddFileFolder"))->trigger();
        w->tree()->setCurrentItem(w->rootItem());
        main.command(QStringLiteral("Act_AddYsObj"))->trigger();
        obj = dynamic_cast<TGroundScaffold*>(w->CurObj());
        ASSERT_NE(obj, nullptr);
        page = dynamic_cast<GroundScaffoldPage*>(w->page(1));
        ASSERT_NE(page, nullptr);
        ASSERT_EQ(w->pageIndex(), 1);
        frame = page->frame();
        home.messages().clear();
    }

    void TearDown() override
    {
        for (Tfm_prj* p : main.projectWindows()) {
            p->discard();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetShellDialogs();
    }

    // Types `text` over the edit's text and presses Enter, which runs its range check.
    QLineEdit* enter(const char* name, const QString& text)
    {
        QLineEdit* e = frame->edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        return e;
    }

    double valueOf(const QString& key) const { return *obj->Bindings().find(key)->get(*obj).toReal(); }
    void calculate() { main.findChild<QAction*>(QStringLiteral("Calculate"))->trigger(); }
    QStringList texts() { return home.messages().texts(); }

    TempHome home;
    Tfm_main main{Tfm_main::RunMode::Standalone};
    Tfm_prj* w = nullptr;
    TGroundScaffold* obj = nullptr;
    GroundScaffoldPage* page = nullptr;
    ScaffoldFrame* frame = nullptr;
    QString saveName, shownReport;
    int reports = 0;
};

TEST_F(GroundScaffoldPageTest, ShowingSetsEveryControlFromTheObjectWithoutMarkingIt)
{
    EXPECT_EQ(w->pageTitle()->text(), QStringLiteral("1号架"));
    EXPECT_EQ(frame->edit("ed_lb")->text(), QStringLiteral("1.05"));
    EXPECT_EQ(frame->edit("ed_h")->text(), QStringLiteral("1.5"));
    EXPECT_EQ(frame->edit("ed_high")->text(), QStringLiteral("20"));
    EXPECT_EQ(frame->edit("ed_HPoleAgraffePoleCount")->text(), QStringLiteral("2"));
    EXPECT_EQ(frame->options("rg_HPoleAgraffeLay")->checkedId(), obj->ExPara.HPoleAgraffeLay);
    EXPECT_EQ(frame->options("rg_WalllinkerLay")->checkedId(), 0);
    EXPECT_EQ(frame->list("cb_WalllinkerAgraffeType")->count(), 4);
    // the tube sizes are those of the reference data, the object's row selected
    const Tdm1::ListFill tubes = dm1().FillPoleTypes();
    ASSERT_FALSE(tubes.items.isEmpty());
    QStringList shown;
    for (int i = 0; i < frame->list("cb_TubeType")->count(); ++i) {
        shown << frame->list("cb_TubeType")->itemText(i);
    }
    EXPECT_EQ(shown, tubes.items);
    EXPECT_EQ(frame->list("cb_TubeType")->currentIndex(), obj->ExPara.TubeType);
    EXPECT_FALSE(obj->Modified);

    // the count's label follows the bar arrangement
    frame->options("rg_HPoleAgraffeLay")->button(0)->click();
    EXPECT_EQ(frame->poleCountLabel()->text(), QStringLiteral("搭接在大横杆上的小横杆根数:"));
    frame->options("rg_HPoleAgraffeLay")->button(1)->click();
    EXPECT_EQ(frame->poleCountLabel()->text(), QStringLiteral("搭接在小横杆上的大横杆根数:"));
    EXPECT_TRUE(obj->Modified);
    EXPECT_TRUE(texts().isEmpty());
}

// Every edit of the page: an accepted entry reaches the object's key at the write-back; a rejected one is warned
// about with its range and keeps the focus.
TEST_F(GroundScaffoldPageTest, EachEditChecksItsRangeAndItsAcceptedValueReachesTheObject)
{
    struct Case
    {
        const char* control;
        QString key;
        QString accepted;
        double expected;
        QString rejected; // empty: the edit only filters keys
        QString message;
    };
    const QString real = QStringLiteral("请输入 0.5 到 2.5 之间的数！");
    const std::vector<Case> cases{
        {"ed_lb", "ExPara.Lb", "1.3", 1.3, "2.6", real},
        {"ed_h", "ExPara.h", "1.8", 1.8, "0.4", real},
        {"ed_la", "ExPara.La", "1.6", 1.6, "2.51", real},
        {"ed_HPoleOuter", "ExPara.HPoleOuterLen", "0.35", 0.35, "0.05", "请输入 0.1 到 2 之间的数！"},
        {"ed_high", "ExPara.high", "36", 36, "4", "请输入 5 到 100 之间的数！"},
        {"ed_fasternerCoefficient", "ExPara.fasternerCoefficient", "0.9", 0.9, "1.5", "请输入 0.001 到 1 之间的数！"},
        {"ed_HPoleAgraffePoleCount", "ExPara.HPoleAgraffePoleCount", "3", 3, "4", "请输入 2 到 3 之间的整数！"},
        {"ed_DoublePoleHigh", "ExPara.DoublePoleHigh", "8.5", 8.5, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        if (!c.rejected.isEmpty()) {
            home.messages().clear();
            QLineEdit* e = enter(c.control, c.rejected);
            EXPECT_EQ(texts(), QStringList{c.message});
            EXPECT_TRUE(e->hasFocus());
            EXPECT_TRUE(InputError());
        }
        home.messages().clear();
        enter(c.control, c.accepted);
        EXPECT_TRUE(texts().isEmpty());
        EXPECT_FALSE(InputError());
    }
    // an empty entry and one that is not a number
    enter("ed_la", QString());
    enter("ed_la", QStringLiteral("1.2.3"));
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("输入不能为空！"), QStringLiteral("输入数据出错，或超出数据范围！")}));
    enter("ed_la", QStringLiteral("1.6"));

    EXPECT_EQ(obj->ExPara.high, 20); // nothing reaches the object before the write-back
    EXPECT_TRUE(obj->Modified);
    ASSERT_TRUE(w->CommitPage(obj->TypeId));
    EXPECT_FALSE(obj->Modified);
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(valueOf(c.key), c.expected) << c.control;
    }
}

TEST_F(GroundScaffoldPageTest, OptionGroupsAndListsWriteBackTheirItemIndex)
{
    struct Case
    {
        const char* control;
        QString key;
        int index;
    };
    const std::vector<Case> cases{
        {"rg_HPoleAgraffeLay", "ExPara.HPoleAgraffeLay", 0},
        {"rg_LineCount", "ExPara.LineCount", 0},
        {"Rg_fastenerType", "ExPara.fastenerType", 1},
        {"Rg_WallLinkerType", "ExPara.WallLinkerType", 1},
        {"rg_WalllinkerLay", "ExPara.WalllinkerLay", 2},
        {"cb_TubeType", "ExPara.TubeType", 1},
        {"cb_WalllinkerAgraffeType", "ExPara.WalllinkerAgraffeType", 3},
    };
    for (const Case& c : cases) {
        if (QButtonGroup* g = frame->options(c.control)) {
            g->button(c.index)->click();
        } else {
            frame->list(c.control)->setCurrentIndex(c.index);
        }
    }
    EXPECT_TRUE(obj->Modified);
    ASSERT_TRUE(w->CommitPage(obj->TypeId));
    for (const Case& c : cases) {
        EXPECT_EQ(valueOf(c.key), c.index) << c.control;
    }
}

// A write-back that fails stops the command that asked for it: no book, no save, no move to another node; the
// object keeps its values and stays modified.
TEST_F(GroundScaffoldPageTest, AFailedWriteBackStopsTheBookTheSaveAndTheMove)
{
    const double before = obj->ExPara.DoublePoleHigh;
    frame->edit("ed_la")->setText(QStringLiteral("1.6"));
    frame->edit("ed_DoublePoleHigh")->setText(QStringLiteral("1..2")); // passes the key filter, not a number
    calculate();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("操作失败，所有数据已经丢失！")});
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(obj->ExPara.DoublePoleHigh, before);
    EXPECT_EQ(obj->ExPara.La, 1.2); // not half written either
    EXPECT_TRUE(obj->Modified);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // saving with the refused entry writes no file
    home.messages().clear();
    saveName = home.file(QStringLiteral("a.yss"));
    main.command(QStringLiteral("Act_SavePrj"))->trigger();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("操作失败，所有数据已经丢失！")});
    EXPECT_FALSE(QFileInfo::exists(saveName));
    EXPECT_TRUE(obj->Modified);

    // an entry out of range that was never left is checked at the write-back too
    home.messages().clear();
    frame->edit("ed_DoublePoleHigh")->setText(QStringLiteral("6"));
    frame->edit("ed_high")->setText(QStringLiteral("4"));
    calculate();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("请输入 5 到 100 之间的数！")});
    EXPECT_TRUE(frame->edit("ed_high")->hasFocus());
    EXPECT_EQ(reports, 0);

    // answering Yes to the save question on leaving keeps the object selected
    home.messages().clear();
    home.messages().queueAnswer(Answer::Yes);
    QTreeWidgetItem* folder = w->tree()->findItems(QStringLiteral("一区"), Qt::MatchExactly | Qt::MatchRecursive)[0];
    w->tree()->setCurrentItem(folder);
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("是否保存 1号架 的数据？"), QStringLiteral("请输入 5 到 100 之间的数！")}));
    EXPECT_EQ(w->CurObj(), obj);
    EXPECT_EQ(w->pageIndex(), 1);
    EXPECT_EQ(w->tree()->currentItem()->text(0), QStringLiteral("1号架"));

    // mended, the book is written with the new values
    frame->edit("ed_high")->setText(QStringLiteral("36"));
    calculate();
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(obj->ExPara.high, 36);
    EXPECT_EQ(obj->ExPara.La, 1.6);
}

TEST_F(GroundScaffoldPageTest, AValueEditedOnThePageAppearsInTheNextBook)
{
    {
        ReportDocument book;
        writeReportOf(*obj, book);
        EXPECT_TRUE(book.document().toPlainText().contains(QStringLiteral("搭设高度为 20.0 米")));
    }
    enter("ed_high", QStringLiteral("36"));
    frame->options("rg_LineCount")->button(0)->click();
    calculate();
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(shownReport.contains(QStringLiteral("计算的脚手架为单排脚手架搭设高度为 36.0 米")));
    ReportDocument book;
    writeReportOf(*obj, book);
    EXPECT_TRUE(book.document().toPlainText().contains(QStringLiteral("搭设高度为 36.0 米")));
}

// The load dialog works on the page's copies: a confirmed entry reaches the object at the write-back, is shown
// again on the next press, and is lost when the page is left without writing back.
TEST_F(GroundScaffoldPageTest, LoadDialogEntriesReachTheObjectOnlyThroughTheWriteBack)
{
    const double before = obj->LiveLoad.ConstructSTDValue;
    QString shownAgain;
    int step = 0;
    auto act = [&] {
        auto* d = qobject_cast<Tfm_LoadPara*>(QApplication::activeModalWidget());
        if (!d) {
            return;
        }
        if (step++ == 0) {
            d->ed_ConstructLoad->setText(QStringLiteral("3.5"));
            d->confirm();
        } else {
            shownAgain = d->ed_ConstructLoad->text();
            d->reject();
        }
    };
    QTimer::singleShot(0, act);
    page->bt_LoadPara->click();
    EXPECT_TRUE(obj->Modified);
    EXPECT_EQ(obj->LiveLoad.ConstructSTDValue, before);
    QTimer::singleShot(0, act);
    page->bt_LoadPara->click();
    EXPECT_EQ(shownAgain, QStringLiteral("3.5"));

    ASSERT_TRUE(w->CommitPage(obj->TypeId));
    EXPECT_EQ(obj->LiveLoad.ConstructSTDValue, 3.5);

    // entered again, then the page is left with No to the save question: the object keeps 3.5
    step = 0;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<Tfm_LoadPara*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->ed_ConstructLoad->setText(QStringLiteral("4.5"));
        d->confirm();
    });
    page->bt_LoadPara->click();
    home.messages().queueAnswer(Answer::No);
    w->tree()->setCurrentItem(w->rootItem());
    EXPECT_EQ(obj->LiveLoad.ConstructSTDValue, 3.5);
    EXPECT_EQ(page->object(), nullptr);
}

// The picture window a page opened goes with the page: selecting another node hides the page and closes it.
TEST_F(GroundScaffoldPageTest, HidingThePageClosesItsPictureWindow)
{
    auto pictureWindow = [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->windowTitle() == QStringLiteral("落地架正立面图")) {
                return top;
            }
        }
        return static_cast<QWidget*>(nullptr);
    };
    QTest::mouseClick(page->bt_FrontElevation, Qt::LeftButton);
    ASSERT_NE(pictureWindow(), nullptr);
    w->tree()->setCurrentItem(w->rootItem());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(pictureWindow(), nullptr);
}

} // namespace

TEST(Screenshots, GroundScaffoldPage)
{
    const QString dir = qEnvironmentVariable("YUNSHAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        GTEST_SKIP() << "YUNSHAN_SCREENSHOT_DIR not set";
    }
    installReportFonts();
    registerCalculationKinds();
    TempHome home;
    shellDialogs().editAttributes = [](TYsProject& p, QWidget*) {
        p.prjname = QStringLiteral("滨江花园三期");
        return true;
    };
    shellDialogs().chooseNewObject = [](QWidget*) {
        return std::optional<ShellDialogs::NewObject>(ShellDialogs::NewObject{2, QStringLiteral("1号楼落地架")});
    };
    Tfm_main m;
    m.resize(1100, 760);
    m.show();
    Tfm_prj* w = m.newProject();
    m.command(QStringLiteral("Act_AddYsObj"))->trigger();
    w->showMaximized();
    QCoreApplication::processEvents();
    QDir().mkpath(dir);
    ASSERT_TRUE(m.grab().save(QDir(dir).filePath(QStringLiteral("ground-scaffold-page.png"))));
    ASSERT_TRUE(w->page(1)->grab().save(QDir(dir).filePath(QStringLiteral("ground-scaffold-page-only.png"))));
    w->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetShellDialogs();
}
