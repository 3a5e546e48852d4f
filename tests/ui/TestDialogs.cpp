#include "TempHome.h"
#include "WhenModal.h"
#include "core/Gbk.h"
#include "core/TYsProject.h"
#include "refdata/Tdm1.h"
#include "report/ReportFonts.h"
#include "ui/MessageBoxMessages.h"
#include "ui/TAboutBox.h"
#include "ui/TFm_FilePasswordCheck.h"
#include "ui/TFm_PrjAttr.h"
#include "ui/Tfm_guide.h"
#include "ui/Tfm_hint.h"
#include "ui/Tfm_inputfileboxname.h"
#include "ui/Tfm_start.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// On the indicator: an option stretched over its column takes clicks only on its indicator and text.
void clickOption(QAbstractButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void fillSample(TYsProject& p)
{
    p.prjname = QStringLiteral("住宅楼");
    p.prjdirector = QStringLiteral("张工");
    p.scheduleMaker = QStringLiteral("李工");
    p.prjdate = QStringLiteral("2023/4/5");
    p.descmemo = QStringLiteral("第一行\r第二行\r");
    p.password = QStringLiteral("old");
    p.StructureType = 2;
    p.BuildHigh = 0;
    p.FloorHigh = 2.9;
    p.StructureArea = 12000.5;
    p.TimeOfProject = 180;
    p.ConstuctionUnit = QStringLiteral("第三建筑公司");
    p.FlagWriteToCal = true;
}

} // namespace

TEST(PrjAttr, ShowsTheProjectAndConfirmingUntouchedKeepsIt)
{
    TempHome home;
    TYsProject p;
    fillSample(p);
    TFm_PrjAttr dialog(p);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("工程属性"));
    EXPECT_EQ(dialog.ed1->text(), QStringLiteral("住宅楼"));
    EXPECT_EQ(dialog.dt1->date(), QDate(2023, 4, 5));
    EXPECT_EQ(dialog.cbb_StructureType1->currentText(), QStringLiteral("框剪"));
    EXPECT_EQ(dialog.edt_BuildHigh1->text(), QString()); // 0 is shown empty
    EXPECT_EQ(dialog.edt_Floor_High1->text(), QStringLiteral("2.9"));
    EXPECT_EQ(dialog.edt_StructureArea1->text(), QStringLiteral("12000.5"));
    EXPECT_EQ(dialog.edt_TimeOfProject1->text(), QStringLiteral("180"));
    EXPECT_TRUE(dialog.chk1->isChecked());
    EXPECT_EQ(dialog.mmo1->document()->blockCount(), 2);
    EXPECT_EQ(dialog.mmo1->toPlainText(), QStringLiteral("第一行\n第二行"));

    ASSERT_TRUE(dialog.confirm());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    TYsProject before;
    fillSample(before);
    EXPECT_EQ(p.descmemo, before.descmemo);
    EXPECT_EQ(p.BuildHigh, 0);
    EXPECT_EQ(p.prjdate, before.prjdate);
    EXPECT_EQ(p.password, QStringLiteral("old"));
    EXPECT_EQ(p.StructureArea, 12000.5);
    EXPECT_TRUE(p.Modified);
    EXPECT_TRUE(home.messages().texts().isEmpty());
}

TEST(PrjAttr, ConfirmCopiesEveryFieldOnlyWhenAllAreGood)
{
    TempHome home;
    TYsProject p;
    fillSample(p);
    TFm_PrjAttr dialog(p);
    dialog.show();
    dialog.ed1->setText(QStringLiteral("办公楼"));
    dialog.edt_Floor_High1->clear();
    dialog.edt_BuildHigh1->setText(QStringLiteral("1.2.3")); // the key filter lets a second "." through
    dialog.cbb_StructureType1->setCurrentIndex(3);

    EXPECT_FALSE(dialog.confirm());
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("输入数据出错，或超出数据范围！")});
    EXPECT_EQ(p.prjname, QStringLiteral("住宅楼")); // nothing copied
    EXPECT_FALSE(p.Modified);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    home.messages().clear();
    dialog.ed1->setText(QStringLiteral("  "));
    EXPECT_FALSE(dialog.confirm());
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("工程名称不能为空！")});

    dialog.ed1->setText(QStringLiteral("办公楼"));
    dialog.edt_BuildHigh1->setText(QStringLiteral("45.6"));
    ASSERT_TRUE(dialog.confirm());
    EXPECT_EQ(p.prjname, QStringLiteral("办公楼"));
    EXPECT_EQ(p.BuildHigh, 45.6);
    EXPECT_EQ(p.FloorHigh, 0); // an empty numeric field is 0
    EXPECT_EQ(p.StructureType, 3);
}

TEST(PrjAttr, NumericFieldsFilterTheirKeys)
{
    TYsProject p;
    TFm_PrjAttr dialog(p);
    QTest::keyClicks(dialog.edt_BuildHigh1, QStringLiteral("-1a2.5"));
    EXPECT_EQ(dialog.edt_BuildHigh1->text(), QStringLiteral("12.5"));
    QTest::keyClicks(dialog.edt_TimeOfProject1, QStringLiteral("12.3456789"));
    EXPECT_EQ(dialog.edt_TimeOfProject1->text(), QStringLiteral("12345"));
    EXPECT_EQ(dialog.ed2->maxLength(), 12);
    EXPECT_EQ(dialog.Edit1->echoMode(), QLineEdit::Password);
}

TEST(PrjAttr, PasswordIsTypedTwice)
{
    TempHome home;
    TYsProject p;
    fillSample(p);
    TFm_PrjAttr dialog(p);
    dialog.show();
    dialog.Edit1->setText(QStringLiteral("abc"));
    dialog.Edit2->setText(QStringLiteral("abd"));
    QTest::mouseClick(dialog.bt_Password, Qt::LeftButton);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("两次输入的密码不相同,就重新输入！")});
    EXPECT_TRUE(dialog.Edit1->text().isEmpty());
    EXPECT_TRUE(dialog.Edit2->text().isEmpty());
    EXPECT_EQ(dialog.pendingPassword(), QStringLiteral("old"));

    home.messages().clear();
    dialog.Edit1->setText(QStringLiteral("abc"));
    dialog.Edit2->setText(QStringLiteral("abc "));
    dialog.savePassword();
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("设置密码成功！")});
    EXPECT_EQ(p.password, QStringLiteral("old")); // only 确定 copies it
    ASSERT_TRUE(dialog.confirm());
    EXPECT_EQ(p.password, QStringLiteral("abc"));

    // Nothing in both entries removes the protection.
    TFm_PrjAttr again(p);
    again.savePassword();
    ASSERT_TRUE(again.confirm());
    EXPECT_EQ(p.password, QString());
}

TEST(PrjAttr, DescriptionFitsTheProjectFile)
{
    TempHome home;
    TYsProject p;
    fillSample(p);
    p.descmemo.clear();
    TFm_PrjAttr dialog(p);
    EXPECT_EQ(dialog.mmo1->toPlainText(), QString());
    EXPECT_EQ(dialog.descriptionText(), QString());

    // 126 characters of two bytes and a line break: 253 bytes, 254 with the CR after each of the two lines.
    const QString line(126, QChar(0x6C34));
    dialog.mmo1->insertPlainText(line + QLatin1Char('\n'));
    EXPECT_EQ(toGbk(dialog.descriptionText()).size(), 254);
    dialog.mmo1->insertPlainText(QStringLiteral("水")); // 256: refused
    EXPECT_EQ(dialog.mmo1->toPlainText(), line + QLatin1Char('\n'));
    dialog.mmo1->insertPlainText(QStringLiteral("a")); // 255: fits
    EXPECT_EQ(dialog.mmo1->toPlainText(), line + QStringLiteral("\na"));
    ASSERT_TRUE(dialog.confirm());
    EXPECT_EQ(p.descmemo, line + QStringLiteral("\ra\r"));
    EXPECT_EQ(toGbk(p.descmemo).size(), TFm_PrjAttr::kMaxDescriptionBytes);
}

TEST(PrjAttr, ExecuteIsModalAndCancelCopiesNothing)
{
    TempHome home;
    TYsProject p;
    fillSample(p);
    {
        TFm_PrjAttr dialog(p);
        whenModal([](QWidget* modal) {
            auto* d = qobject_cast<TFm_PrjAttr*>(modal);
            ASSERT_NE(d, nullptr);
            d->ed1->setText(QStringLiteral("改名"));
            QTest::mouseClick(d->btn2, Qt::LeftButton);
        });
        EXPECT_FALSE(dialog.execute());
    }
    EXPECT_EQ(p.prjname, QStringLiteral("住宅楼"));
    TFm_PrjAttr dialog(p);
    whenModal([](QWidget* modal) {
        auto* d = qobject_cast<TFm_PrjAttr*>(modal);
        ASSERT_NE(d, nullptr);
        d->ed1->setText(QStringLiteral("改名"));
        QTest::mouseClick(d->btn1, Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(p.prjname, QStringLiteral("改名"));
}

TEST(FolderName, EmptyNameIsRefusedAndOkReturnsTheName)
{
    TempHome home;
    {
        Tfm_inputfileboxname dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("输入提示"));
        EXPECT_FALSE(dialog.confirm());
        EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入文件夹名称!")});
    }
    whenModal([](QWidget* modal) {
        auto* d = qobject_cast<Tfm_inputfileboxname*>(modal);
        ASSERT_NE(d, nullptr);
        QTest::mouseClick(d->btnOk, Qt::LeftButton); // refused: still open
        EXPECT_TRUE(d->isVisible());
        d->Edit1->insert(QStringLiteral("基础"));
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(Tfm_inputfileboxname::askName(QString()), QStringLiteral("基础"));
    EXPECT_EQ(home.messages().texts().size(), 2);

    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(Tfm_inputfileboxname::askName(QStringLiteral("x")), std::nullopt);
}

TEST(Guide, OffersTheKindsAndReturnsTheChoice)
{
    TempHome home;
    Tfm_guide guide;
    EXPECT_EQ(guide.windowTitle(), QStringLiteral("添加向导"));
    ASSERT_EQ(guide.kindCount(), 9);
    EXPECT_EQ(guide.options->button(0)->text(), QStringLiteral("落地架"));
    EXPECT_TRUE(guide.options->button(0)->isChecked());
    EXPECT_EQ(guide.Edit1->text(), QStringLiteral("落地架"));
    EXPECT_EQ(guide.Edit1->selectedText(), QStringLiteral("落地架"));

    // Filled column by column in three columns.
    guide.show();
    EXPECT_EQ(guide.options->button(1)->x(), guide.options->button(0)->x());
    EXPECT_GT(guide.options->button(3)->x(), guide.options->button(0)->x());

    clickOption(guide.options->button(7));
    EXPECT_EQ(guide.Edit1->text(), QStringLiteral("门架"));
    ASSERT_TRUE(guide.confirm());
    EXPECT_EQ(guide.choice()->typeId, 16);
    EXPECT_EQ(guide.choice()->name, QStringLiteral("门架"));

    guide.selectKind(3);
    guide.Edit1->setText(QStringLiteral("一号楼模板"));
    ASSERT_TRUE(guide.confirm());
    EXPECT_EQ(guide.choice()->typeId, 5);
    EXPECT_EQ(guide.choice()->name, QStringLiteral("一号楼模板"));

    guide.Edit1->setText(QStringLiteral(" "));
    EXPECT_FALSE(guide.confirm());
    EXPECT_EQ(guide.choice(), std::nullopt);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("计算方案名称不能为空！")});

    whenModal([](QWidget* modal) {
        auto* g = qobject_cast<Tfm_guide*>(modal);
        ASSERT_NE(g, nullptr);
        clickOption(g->options->button(1));
        QTest::mouseClick(g->btnOk, Qt::LeftButton);
    });
    const auto chosen = Tfm_guide::choose();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->typeId, 3);
    whenModal([](QWidget* modal) { QTest::mouseClick(qobject_cast<Tfm_guide*>(modal)->btnCancel, Qt::LeftButton); });
    EXPECT_EQ(Tfm_guide::choose(), std::nullopt);
}

TEST(Guide, WithoutReferenceDataNothingIsCreated)
{
    TempHome home;
    QTemporaryDir empty;
    const QByteArray saved = qgetenv("YUNSHAN_DATA");
    qputenv("YUNSHAN_DATA", empty.path().toUtf8());
    DataModuleFree();
    {
        Tfm_guide guide;
        EXPECT_EQ(guide.kindCount(), 0);
        guide.Edit1->setText(QStringLiteral("名称"));
        EXPECT_FALSE(guide.confirm());
        EXPECT_EQ(guide.choice(), std::nullopt);
        EXPECT_EQ(home.messages().texts().last(), QStringLiteral("没有可添加的计算方案类型！"));
    }
    if (saved.isNull()) {
        qunsetenv("YUNSHAN_DATA");
    } else {
        qputenv("YUNSHAN_DATA", saved);
    }
    DataModuleFree();
}

TEST(PasswordPrompt, MaskedAndAnsweredThroughTheDesktopMessages)
{
    MessageBoxMessages messages;
    MessagesGuard guard(messages);
    whenModal([](QWidget* modal) {
        auto* d = qobject_cast<TFm_FilePasswordCheck*>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("请输入密码"));
        EXPECT_EQ(d->label->text(), QStringLiteral("输入工程文件密码:"));
        EXPECT_EQ(d->ed_pw->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d->focusWidget(), d->ed_pw); // the dialog's focus, whether or not the window is active yet
        QTest::keyClicks(d->ed_pw, QStringLiteral("s3cret"));
        QTest::keyClick(d->ed_pw, Qt::Key_Return);
    });
    EXPECT_EQ(Messages::instance().askPassword(QStringLiteral("请输入密码"), QStringLiteral("输入工程文件密码:")),
              QStringLiteral("s3cret"));
    whenModal([](QWidget* modal) {
        QTest::mouseClick(qobject_cast<TFm_FilePasswordCheck*>(modal)->btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(Messages::instance().askPassword(QStringLiteral("请输入密码"), QStringLiteral("输入工程文件密码:")),
              std::nullopt);
}

TEST(MessageBoxes, TitlesButtonsAndAnswers)
{
    MessageBoxMessages messages;
    struct Seen
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    auto answerWith = [](Seen& seen, QMessageBox::StandardButton button) {
        whenModal([&seen, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            if (button == QMessageBox::NoButton) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(button)->click();
            }
        });
    };
    Seen seen;
    answerWith(seen, QMessageBox::Ok);
    messages.showWarning(QStringLiteral("根节点不能被删除"));
    EXPECT_EQ(seen.title, QStringLiteral("提示信息"));
    EXPECT_EQ(seen.text, QStringLiteral("根节点不能被删除"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    answerWith(seen, QMessageBox::Yes);
    EXPECT_EQ(messages.askYesNo(QStringLiteral("是否保存？")), Messages::Answer::Yes);
    EXPECT_EQ(seen.title, QStringLiteral("请选择下一步操作"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerWith(seen, QMessageBox::NoButton);
    EXPECT_EQ(messages.askYesNo(QStringLiteral("是否保存？")), Messages::Answer::No);

    answerWith(seen, QMessageBox::No);
    EXPECT_EQ(messages.askYesNoCancel(QStringLiteral("是否保存？")), Messages::Answer::No);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    answerWith(seen, QMessageBox::NoButton);
    EXPECT_EQ(messages.askYesNoCancel(QStringLiteral("是否保存？")), Messages::Answer::Cancel);

    answerWith(seen, QMessageBox::Ok);
    messages.showInformation(QStringLiteral("查找"), QStringLiteral("找不到"));
    EXPECT_EQ(seen.title, QStringLiteral("查找"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(SmallWindows, HintAboutAndSplash)
{
    TempHome home;
    Tfm_hint hint(true);
    EXPECT_EQ(hint.windowTitle(), QStringLiteral("提示"));
    EXPECT_EQ(Tfm_hint::pictureName(true), QStringLiteral("Ground/SmallAbove.bmp"));
    EXPECT_EQ(Tfm_hint::pictureName(false), QStringLiteral("Ground/BigAbove.bmp"));
    EXPECT_TRUE(hint.text2->text().contains(QStringLiteral(",\r\n　所以")));
    EXPECT_TRUE(hint.text1->text().endsWith(QStringLiteral("\r\n  不同,具体根据当地情况选择计算。")));
    EXPECT_EQ(hint.picture->isHidden(), !hint.hasPicture());

    const QString saved = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QString());
    EXPECT_EQ(TAboutBox::versionText(), QStringLiteral("V1.1"));
    EXPECT_EQ(Tfm_start::versionText(), QStringLiteral("ver:1.1"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.3"));
    {
        TAboutBox about;
        EXPECT_EQ(about.windowTitle(), QStringLiteral("关于云杉脚手架计算"));
        EXPECT_EQ(about.version->text(), QStringLiteral("2.0.3"));
        EXPECT_EQ(about.productName->text(), QStringLiteral("云杉脚手架智能计算软件"));
        about.show();
        QTest::mouseClick(about.picture, Qt::LeftButton); // the picture closes the box
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
    QPointer<Tfm_start> splash = new Tfm_start;
    EXPECT_EQ(splash->version->text(), QStringLiteral("ver:2.0.3"));
    EXPECT_EQ(splash->size(), QSize(420, 260));
    QCoreApplication::setApplicationVersion(saved);
    splash->showFor(30);
    EXPECT_TRUE(splash->isVisible());
    QTest::qWait(150);
    EXPECT_TRUE(splash.isNull());
}

TEST(Screenshots, Dialogs)
{
    const QString dir = qEnvironmentVariable("YUNSHAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    installReportFonts();
    TempHome home;
    QDir().mkpath(dir);
    auto save = [&dir](QWidget& w, const char* name) {
        w.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QLatin1String(name))));
        w.hide();
    };
    TYsProject p;
    fillSample(p);
    TFm_PrjAttr attr(p);
    save(attr, "dialog-project-attributes.png");
    Tfm_inputfileboxname folder;
    save(folder, "dialog-folder-name.png");
    TFm_FilePasswordCheck password;
    save(password, "dialog-file-password.png");
    Tfm_hint hint(true);
    save(hint, "dialog-hint.png");
    Tfm_guide guide;
    save(guide, "dialog-guide.png");
    TAboutBox about;
    save(about, "dialog-about.png");
    Tfm_start splash;
    save(splash, "window-splash.png");
}
