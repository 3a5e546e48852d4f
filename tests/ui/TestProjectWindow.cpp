#include "TempHome.h"
#include "calc/CalcKinds.h"
#include "core/AppPaths.h"
#include "core/Kinds.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"
#include "report/CalculationObject.h"
#include "report/ReportDocument.h"
#include "ui/ShellDialogs.h"
#include "ui/Tfm_main.h"
#include "ui/Tfm_outputfile.h"
#include "ui/Tfm_prj.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTextDocument>
#include <QTreeWidget>
#include <deque>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Answer = Messages::Answer;

// The main window with every dialog answered from queues.
class ProjectWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerCalculationKinds();
        ShellDialogs& d = shellDialogs();
        d.editAttributes = [this](TYsProject& p, QWidget*) {
            ++attributeDialogs;
            if (names.empty()) {
                return false;
            }
            p.prjname = names.front();
            names.pop_front();
            return true;
        };
        d.askFolderName = [this](QWidget*) -> std::optional<QString> {
            if (folders.empty()) {
                return std::nullopt;
            }
            auto f = folders.front();
            folders.pop_front();
            return f;
        };
        d.chooseNewObject = [this](QWidget*) -> std::optional<ShellDialogs::NewObject> {
            if (objects.empty()) {
                return std::nullopt;
            }
            auto o = objects.front();
            objects.pop_front();
            return o;
        };
        d.chooseSaveFile = [this](QWidget*, const QString& dir, const QString& filter) {
            saveDialogDir = dir;
            saveDialogFilter = filter;
            if (saveNames.empty()) {
                return QString();
            }
            QString n = saveNames.front();
            saveNames.pop_front();
            return n;
        };
        d.chooseOpenFile = [](QWidget*, const QString&, const QString&) { return QString(); };
        d.showReport = [this](Tfm_outputfile& w) {
            shownReport = w.report().document().toPlainText();
            reportSaveEnabled = w.saveEnabled();
        };
        main.setFeedbackDelay(0);
        main.show();
    }

    void TearDown() override
    {
        for (Tfm_prj* w : main.projectWindows()) {
            w->discard();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetShellDialogs();
    }

    bool enabled(const char* name) { return main.command(QString::fromLatin1(name))->isEnabled(); }
    void trigger(const char* name) { main.command(QString::fromLatin1(name))->trigger(); }
    QStringList texts() { return home.messages().texts(); }

    // A new project named `name` with a folder "一区" holding the scaffold "1号架".
    Tfm_prj* projectWithFolderAndObject(const QString& name = QStringLiteral("桥梁工程"))
    {
        names.push_back(name);
        trigger("Act_NewPrj");
        Tfm_prj* w = main.activeProjectWindow();
        folders.push_back(QStringLiteral("一区"));
        trigger("Act_AddFileFolder");
        objects.push_back({2, QStringLiteral("1号架")});
        trigger("Act_AddYsObj");
        return w;
    }

    QTreeWidgetItem* item(Tfm_prj* w, const QString& text)
    {
        const auto found = w->tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    TempHome home;
    Tfm_main main{Tfm_main::RunMode::Standalone};
    std::deque<QString> names;
    std::deque<std::optional<QString>> folders;
    std::deque<ShellDialogs::NewObject> objects;
    std::deque<QString> saveNames;
    QString saveDialogDir, saveDialogFilter, shownReport;
    bool reportSaveEnabled = false;
    int attributeDialogs = 0;
};

TEST_F(ProjectWindowTest, NewProjectBuildsTheTreeAndTheCommandsFollowTheSelection)
{
    EXPECT_FALSE(enabled("Act_SavePrj"));
    names.push_back(QStringLiteral("桥梁工程"));
    trigger("Act_NewPrj");
    Tfm_prj* w = main.activeProjectWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(attributeDialogs, 1); // an unnamed project asks for its attributes
    EXPECT_EQ(w->windowTitle(), QStringLiteral("桥梁工程"));
    EXPECT_EQ(w->rootItem()->text(0), QStringLiteral("桥梁工程"));
    EXPECT_EQ(w->rootItem()->data(0, Tfm_prj::kImageRole).toInt(), Tfm_prj::ImageRoot);
    EXPECT_TRUE(enabled("Act_AddFileFolder") && enabled("Act_AddYsObj") && enabled("Act_Rename"));
    EXPECT_FALSE(enabled("Act_delete"));
    EXPECT_TRUE(enabled("Act_SetPrjAttr") && enabled("Act_Close") && enabled("Act_CloseAll") && enabled("Act_SaveAs"));
    EXPECT_TRUE(enabled("Act_SavePrj") && enabled("Act_SaveAll"));

    folders.push_back(QStringLiteral("一区"));
    trigger("Act_AddFileFolder");
    TYsObj* folder = w->CurObj();
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->TypeId, 1);
    EXPECT_EQ(folder->P_index, -1); // added below the root
    EXPECT_TRUE(enabled("Act_AddFileFolder") && enabled("Act_AddYsObj") && enabled("Act_delete"));
    EXPECT_EQ(w->pageIndex(), 0);

    objects.push_back({2, QStringLiteral("1号架")});
    trigger("Act_AddYsObj");
    TYsObj* obj = w->CurObj();
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->TypeId, 2);
    EXPECT_EQ(obj->P_index, folder->Index);
    EXPECT_NE(obj->Index, folder->Index);
    EXPECT_EQ(item(w, QStringLiteral("1号架"))->parent(), item(w, QStringLiteral("一区")));
    EXPECT_EQ(item(w, QStringLiteral("1号架"))->data(0, Tfm_prj::kImageRole).toInt(), Tfm_prj::ImageObject);
    EXPECT_EQ(w->pageIndex(), 1);
    EXPECT_EQ(w->pageTitle()->text(), QStringLiteral("1号架"));
    EXPECT_EQ(main.statusPane()->text(), QStringLiteral("正在编辑：1号架"));
    EXPECT_FALSE(enabled("Act_AddFileFolder") || enabled("Act_AddYsObj"));
    EXPECT_TRUE(enabled("Act_delete"));
    EXPECT_TRUE(w->project().Modified);

    // cancelled dialogs and a guide without a kind or a name add nothing
    w->tree()->setCurrentItem(w->rootItem());
    const size_t count = w->project().ObjList.size();
    folders.push_back(std::nullopt);
    folders.push_back(QString());
    trigger("Act_AddFileFolder");
    trigger("Act_AddFileFolder");
    objects.push_back({0, QStringLiteral("x")});
    objects.push_back({2, QString()});
    trigger("Act_AddYsObj");
    trigger("Act_AddYsObj");
    trigger("Act_AddYsObj"); // cancelled
    EXPECT_EQ(w->project().ObjList.size(), count);
    EXPECT_TRUE(texts().isEmpty());

    // folder images follow expanding
    QTreeWidgetItem* f = item(w, QStringLiteral("一区"));
    f->setExpanded(false);
    EXPECT_EQ(f->data(0, Tfm_prj::kImageRole).toInt(), Tfm_prj::ImageFolder);
    f->setExpanded(true);
    EXPECT_EQ(f->data(0, Tfm_prj::kImageRole).toInt(), Tfm_prj::ImageFolderOpen);
}

TEST_F(ProjectWindowTest, CancellingTheAttributesOfANewProjectClosesIt)
{
    trigger("Act_NewPrj"); // no name given
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.projectWindows().isEmpty());
    EXPECT_FALSE(enabled("Act_SetPrjAttr") || enabled("Act_SavePrj") || enabled("Act_AddFileFolder"));
    EXPECT_TRUE(texts().isEmpty()); // no save question for a project that never was
}

TEST_F(ProjectWindowTest, RenamingToAnEmptyTextIsRefusedWithTheNodesMessage)
{
    Tfm_prj* w = projectWithFolderAndObject();
    struct Case
    {
        QString node;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("桥梁工程"), QStringLiteral("工程名不能为空！")},
        {QStringLiteral("一区"), QStringLiteral("文件夹名不能为空！")},
        {QStringLiteral("1号架"), QStringLiteral("脚手架名不能为空！")},
    };
    for (const Case& c : cases) {
        home.messages().clear();
        QTreeWidgetItem* it = item(w, c.node);
        ASSERT_NE(it, nullptr) << c.node.toStdString();
        it->setText(0, QString()); // what the in-place editor commits
        EXPECT_EQ(texts(), QStringList{c.message});
        EXPECT_EQ(it->text(0), c.node);
    }
    EXPECT_EQ(w->project().prjname, QStringLiteral("桥梁工程"));

    w->project().Modified = false;
    item(w, QStringLiteral("1号架"))->setText(0, QStringLiteral("2号架"));
    EXPECT_EQ(w->CurObj()->Caption, QStringLiteral("2号架"));
    EXPECT_EQ(w->pageTitle()->text(), QStringLiteral("2号架"));
    EXPECT_EQ(main.statusPane()->text(), QStringLiteral("正在编辑：2号架"));
    EXPECT_TRUE(w->project().Modified);
    w->rootItem()->setText(0, QStringLiteral("新桥"));
    EXPECT_EQ(w->project().prjname, QStringLiteral("新桥"));
}

TEST_F(ProjectWindowTest, LeavingAnEditedObjectAsksOnceWhetherToKeepTheEdits)
{
    Tfm_prj* w = projectWithFolderAndObject();
    for (Answer a : {Answer::Yes, Answer::No}) {
        w->tree()->setCurrentItem(item(w, QStringLiteral("1号架")));
        TYsObj* obj = w->CurObj();
        w->MarkModified();
        w->project().Modified = false;
        home.messages().clear();
        home.messages().queueAnswer(a);
        w->tree()->setCurrentItem(w->rootItem());
        EXPECT_EQ(texts(), QStringList{QStringLiteral("是否保存 1号架 的数据？")});
        EXPECT_FALSE(obj->Modified);
        EXPECT_EQ(w->project().Modified, a == Answer::Yes);
        EXPECT_EQ(w->CurObj(), nullptr);
        EXPECT_EQ(w->pageIndex(), 0);
        EXPECT_EQ(main.statusPane()->text(), QString());
        EXPECT_TRUE(enabled("Act_AddYsObj"));
    }
}

TEST_F(ProjectWindowTest, DeletingSelectsTheNextThenThePreviousSiblingThenTheParent)
{
    Tfm_prj* w = projectWithFolderAndObject();
    objects.push_back({3, QStringLiteral("2号架")});
    w->tree()->setCurrentItem(item(w, QStringLiteral("一区")));
    trigger("Act_AddYsObj");
    objects.push_back({4, QStringLiteral("3号架")});
    w->tree()->setCurrentItem(item(w, QStringLiteral("一区")));
    trigger("Act_AddYsObj");

    struct Case
    {
        QString deleted;
        QString selectedAfter;
    };
    // 一区 holds 1号架, 2号架, 3号架
    const Case cases[] = {
        {QStringLiteral("2号架"), QStringLiteral("3号架")}, // the next sibling
        {QStringLiteral("3号架"), QStringLiteral("1号架")}, // the previous one
        {QStringLiteral("1号架"), QStringLiteral("一区")},  // the parent
        {QStringLiteral("一区"), QStringLiteral("桥梁工程")},
    };
    for (const Case& c : cases) {
        w->tree()->setCurrentItem(item(w, c.deleted));
        const qint32 index = w->CurObj()->Index;
        const bool folder = w->CurObj()->isFolder();
        home.messages().clear();
        home.messages().queueAnswer(Answer::Yes);
        trigger("Act_delete");
        EXPECT_EQ(texts(),
                  QStringList{(folder ? QStringLiteral("确定要删除文件夹 ") : QStringLiteral("确定要删除脚手架 "))
                              + c.deleted + QStringLiteral(" 吗?")});
        EXPECT_EQ(item(w, c.deleted), nullptr);
        EXPECT_EQ(w->project().findLive(index), nullptr);
        EXPECT_EQ(w->tree()->currentItem()->text(0), c.selectedAfter);
        EXPECT_EQ(w->CurObj(), Tfm_prj::objectOf(w->tree()->currentItem()));
    }
    EXPECT_EQ(w->pageIndex(), 0);
    EXPECT_FALSE(enabled("Act_delete")); // the root is selected

    home.messages().clear();
    w->DeleteNode();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("根节点不能被删除")});
}

TEST_F(ProjectWindowTest, AnsweringNoToTheDeleteQuestionKeepsTheNode)
{
    Tfm_prj* w = projectWithFolderAndObject();
    home.messages().queueAnswer(Answer::No);
    trigger("Act_delete");
    ASSERT_NE(item(w, QStringLiteral("1号架")), nullptr);
    EXPECT_EQ(w->CurObj()->Caption, QStringLiteral("1号架"));
}

TEST_F(ProjectWindowTest, SaveAsBindsTheProjectToTheNewFileAndRefusingToOverwriteSavesNothing)
{
    Tfm_prj* w = projectWithFolderAndObject();
    const QString dir = AppPaths::projectsDir();
    ASSERT_FALSE(QFileInfo::exists(dir));

    saveNames.push_back(dir + QStringLiteral("/桥梁"));
    trigger("Act_SavePrj"); // no file yet: Save As
    const QString first = dir + QStringLiteral("/桥梁.yss");
    EXPECT_EQ(saveDialogDir, dir);
    EXPECT_TRUE(QFileInfo(dir).isDir()); // created for the dialog
    EXPECT_EQ(saveDialogFilter, QStringLiteral("脚手架计算工程文件(*.yss)"));
    EXPECT_TRUE(QFileInfo::exists(first));
    EXPECT_EQ(w->project().FileName, first);
    EXPECT_EQ(w->windowTitle(), first);
    EXPECT_FALSE(w->project().Modified);
    EXPECT_FALSE(enabled("Act_SavePrj") || enabled("Act_SaveAll"));

    // Save As onto an existing file: No writes nothing, Yes overwrites and moves the project there
    const QString second = dir + QStringLiteral("/other.yss");
    writeFile(second, "old");
    w->rootItem()->setText(0, QStringLiteral("改名"));
    saveNames.push_back(second);
    home.messages().queueAnswer(Answer::No);
    EXPECT_FALSE(main.SaveProjectAs(w));
    EXPECT_EQ(texts(), QStringList{QStringLiteral("文件已经存在,是否覆盖?")});
    EXPECT_EQ(readFile(second), QByteArray("old"));
    EXPECT_EQ(w->project().FileName, first);
    EXPECT_TRUE(w->project().Modified);

    saveNames.push_back(dir + QStringLiteral("/other")); // exists once ".yss" is added
    home.messages().queueAnswer(Answer::Yes);
    EXPECT_TRUE(main.SaveProjectAs(w));
    EXPECT_EQ(w->project().FileName, second);
    EXPECT_EQ(w->windowTitle(), second);
    ProjectFile::ReadResult r = ProjectFile::read(second);
    ASSERT_EQ(r.status, ProjectFile::Status::Ok);
    EXPECT_EQ(r.project->prjname, QStringLiteral("改名"));

    // the next Save goes to the new file
    w->rootItem()->setText(0, QStringLiteral("再改"));
    const QByteArray firstBytes = readFile(first);
    trigger("Act_SavePrj");
    EXPECT_EQ(readFile(first), firstBytes);
    EXPECT_EQ(ProjectFile::read(second).project->prjname, QStringLiteral("再改"));

    // a cancelled dialog: nothing written, the project commands stay
    saveNames.clear();
    EXPECT_FALSE(main.SaveProjectAs(w));
    EXPECT_TRUE(enabled("Act_SaveAs") && enabled("Act_Close"));
}

TEST_F(ProjectWindowTest, TheCloseQuestionKeepsTheWindowUnlessTheProjectWasSavedOrDropped)
{
    Tfm_prj* w = projectWithFolderAndObject();
    const QString question = QStringLiteral("是否保存脚手架计算工程文件 \" 桥梁工程 \" ?");
    const QString existing = home.file(QStringLiteral("taken.yss"));
    writeFile(existing, "keep");

    // Yes, then the save dialog cancelled; Yes, then overwriting refused; Cancel
    home.messages().queueAnswer(Answer::Yes);
    trigger("Act_Close");
    saveNames.push_back(existing);
    home.messages().queueAnswer(Answer::Yes);
    home.messages().queueAnswer(Answer::No);
    trigger("Act_Close");
    home.messages().queueAnswer(Answer::Cancel);
    trigger("Act_Close");
    EXPECT_EQ(texts(), (QStringList{question, question, QStringLiteral("文件已经存在,是否覆盖?"), question}));
    EXPECT_EQ(main.projectWindows(), QList<Tfm_prj*>{w});
    EXPECT_EQ(readFile(existing), QByteArray("keep"));
    EXPECT_TRUE(enabled("Act_SetPrjAttr") && enabled("Act_SavePrj") && enabled("Act_delete"));

    // No closes without saving; the last window gone, the project commands are off
    home.messages().queueAnswer(Answer::No);
    trigger("Act_Close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.projectWindows().isEmpty());
    for (const char* name : {"Act_SetPrjAttr", "Act_Close", "Act_CloseAll", "Act_SaveAs", "Act_SavePrj", "Act_SaveAll",
                             "Act_AddFileFolder", "Act_AddYsObj", "Act_delete", "Act_Rename"}) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    EXPECT_EQ(main.statusPane()->text(), QString());
}

TEST_F(ProjectWindowTest, YesToTheCloseQuestionSavesTheClosingWindowsProjectNotTheActiveOne)
{
    Tfm_prj* a = projectWithFolderAndObject(QStringLiteral("甲"));
    Tfm_prj* b = projectWithFolderAndObject(QStringLiteral("乙"));
    ASSERT_EQ(main.activeProjectWindow(), b);
    saveNames.push_back(home.file(QStringLiteral("a.yss")));
    home.messages().queueAnswer(Answer::Yes);
    a->parentWidget()->close();
    ASSERT_TRUE(QFileInfo::exists(home.file(QStringLiteral("a.yss"))));
    EXPECT_EQ(ProjectFile::read(home.file(QStringLiteral("a.yss"))).project->prjname, QStringLiteral("甲"));
    EXPECT_EQ(main.projectWindows(), QList<Tfm_prj*>{b});
    EXPECT_TRUE(b->project().Modified);
    EXPECT_TRUE(enabled("Act_SetPrjAttr")); // one project is still open
}

TEST_F(ProjectWindowTest, TheCommandLineFileOpensOnTheFirstActivationOnly)
{
    Tfm_prj* w = projectWithFolderAndObject();
    const QString path = home.file(QStringLiteral("site.yss"));
    saveNames.push_back(path);
    ASSERT_TRUE(main.savePrj(w));
    w->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Tfm_main fresh;
    fresh.setFeedbackDelay(0);
    fresh.setCommandLineFile(path);
    fresh.activated();
    fresh.activated();
    ASSERT_EQ(fresh.projectWindows().size(), 1);
    Tfm_prj* opened = fresh.projectWindows().first();
    EXPECT_EQ(opened->windowTitle(), path);
    EXPECT_EQ(opened->tree()->currentItem(), opened->rootItem());
    ASSERT_NE(opened->tree()->findItems(QStringLiteral("1号架"), Qt::MatchExactly | Qt::MatchRecursive).value(0),
              nullptr);
    EXPECT_EQ(opened->rootItem()->child(0)->child(0)->text(0), QStringLiteral("1号架"));
    EXPECT_FALSE(opened->project().Modified);
    EXPECT_TRUE(fresh.command(QStringLiteral("Act_SetPrjAttr"))->isEnabled());
    EXPECT_FALSE(fresh.command(QStringLiteral("Act_SavePrj"))->isEnabled());

    // of dropped files only the last counts, and only when it exists
    fresh.openDroppedFiles({path, path, home.file(QStringLiteral("missing.yss"))});
    EXPECT_EQ(fresh.projectWindows().size(), 1);
    fresh.openDroppedFiles({home.file(QStringLiteral("missing.yss")), path});
    EXPECT_EQ(fresh.projectWindows().size(), 2);
    for (Tfm_prj* p : fresh.projectWindows()) {
        p->discard();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A kind whose calculation fails half way.
class FailingCalculation : public CalculationObject
{
public:
    void WriteReport(ReportDocument& report) override
    {
        report.AddRawLine(QStringLiteral("before"));
        throw std::runtime_error("calculation failed");
    }
};

TEST_F(ProjectWindowTest, GenerateReportShowsTheBookAndAFailedCalculationCleansUp)
{
    Tfm_prj* w = projectWithFolderAndObject();
    w->findChild<QAction*>(QStringLiteral("Calculate"))->trigger();
    EXPECT_TRUE(shownReport.contains(QStringLiteral("1号架"))) << shownReport.left(200).toStdString();
    EXPECT_TRUE(reportSaveEnabled);
    EXPECT_EQ(main.statusPane()->text(), QStringLiteral("正在编辑：1号架"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(main.findChildren<Tfm_outputfile*>().isEmpty());

    registerKindCreator(18, [] { return std::unique_ptr<TYsObj>(new FailingCalculation); });
    objects.push_back({18, QStringLiteral("墙架")});
    w->tree()->setCurrentItem(item(w, QStringLiteral("一区")));
    trigger("Act_AddYsObj");
    shownReport.clear();
    EXPECT_THROW(w->GenerateReport(), std::runtime_error);
    registerCalculationKinds();
    EXPECT_TRUE(shownReport.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(main.statusPane()->text(), QStringLiteral("正在编辑：墙架"));
    EXPECT_EQ(main.progressBar()->value(), 0);
    EXPECT_TRUE(main.findChildren<Tfm_outputfile*>().isEmpty());
}

TEST_F(ProjectWindowTest, DefaultsCommandsAskFirst)
{
    Tfm_prj* w = projectWithFolderAndObject();
    QAction* save = w->findChild<QAction*>(QStringLiteral("Act_savetodefault"));
    QAction* load = w->findChild<QAction*>(QStringLiteral("Act_loaddefault"));
    home.messages().queueAnswer(Answer::No);
    save->trigger();
    EXPECT_FALSE(QFileInfo::exists(AppPaths::updateIniPath()));
    home.messages().queueAnswer(Answer::Yes);
    save->trigger();
    EXPECT_TRUE(readFile(AppPaths::updateIniPath()).contains("Ground information"));

    w->CurObj()->Modified = false;
    home.messages().queueAnswer(Answer::Yes);
    load->trigger();
    EXPECT_TRUE(w->CurObj()->Modified);
    EXPECT_TRUE(enabled("Act_SavePrj"));
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？"),
                           QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？"),
                           QStringLiteral("将当前的各项数据恢复到上次保存的默认值吗？")}));
}

} // namespace
