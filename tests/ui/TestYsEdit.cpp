#include "TempHome.h"
#include "ui/InputChecks.h"
#include "ui/TYsEdit.h"
#include "ui/TmyReScale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A shown, active window with a numeric edit and a second control the focus can move to.
struct EditWindow
{
    QWidget window;
    TYsEdit* edit = new TYsEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    EditWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }
};

} // namespace

TEST(YsEdit, LeavingNormalisesAndChecksTheRange)
{
    struct Case
    {
        const char* name;
        TYsEdit::TNumEditType type;
        int decimals;
        double min, max;
        bool formatNumPoint;
        QString entry;
        QString textAfter;
        QString warning; // empty: passes
    };
    const Case cases[] = {
        {"no range when min equals max", TYsEdit::EditFloat, 2, 0, 0, false, "99999", "99999", ""},
        {"shown value within max", TYsEdit::EditFloat, 2, 0.001, 10, false, "10.004", "10.004", ""},
        {"shown value above max", TYsEdit::EditFloat, 2, 0.001, 10, false, "10.006", "10.006",
         "请输入 0.001 到 10 之间的实数！"},
        {"rounding to the minimum is not enough", TYsEdit::EditFloat, 2, 0.001, 10, false, "0", "0",
         "请输入 0.001 到 10 之间的实数！"},
        {"just below the minimum", TYsEdit::EditFloat, 2, 0.001, 10, false, "0.0009", "0.0009",
         "请输入 0.001 到 10 之间的实数！"},
        {"the minimum itself", TYsEdit::EditFloat, 2, 0.001, 10, false, "0.001", "0.001", ""},
        {"empty real", TYsEdit::EditFloat, 2, 0, 0, false, "", "0.0", ""},
        {"lone minus", TYsEdit::EditFloat, 2, 0, 0, false, " - ", "0.0", ""},
        {"empty real with fixed decimals", TYsEdit::EditFloat, 3, 0, 0, true, "", "0.000", ""},
        {"fixed decimals round", TYsEdit::EditFloat, 2, 0, 0, true, "1.005", "1.01", ""},
        {"not a number", TYsEdit::EditFloat, 2, 0, 0, false, "1.2.3", "0", "数据非法，自动置为0！"},
        {"empty integer", TYsEdit::EditInt, 2, 0, 0, false, "", "0", ""},
        {"integer in range", TYsEdit::EditInt, 2, 1, 5, false, "5", "5", ""},
        {"integer above range", TYsEdit::EditInt, 2, 1, 5, false, "6", "6", "请输入 1 到 5 之间的整数！"},
        {"integer below fractional minimum", TYsEdit::EditInt, 2, 0.5, 5, false, "0", "0",
         "请输入 1 到 5 之间的整数！"},
        {"integer with a point", TYsEdit::EditInt, 2, 0, 0, false, "1.5", "0", "数据非法，自动置为0！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempHome home;
        TYsEdit edit;
        edit.setEditType(c.type);
        edit.setMydec(c.decimals);
        edit.MinValue = c.min;
        edit.MaxValue = c.max;
        edit.FormatNumPoint = c.formatNumPoint;
        edit.setText(c.entry);
        const bool passed = edit.checkOnExit();
        EXPECT_EQ(edit.text(), c.textAfter);
        EXPECT_EQ(passed, c.warning.isEmpty());
        EXPECT_EQ(edit.hasError(), !c.warning.isEmpty());
        EXPECT_EQ(home.messages().texts(), c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
    }
}

TEST(YsEdit, WithoutShowErrorNothingIsCheckedAndAPassingEntryClearsTheError)
{
    TempHome home;
    TYsEdit edit;
    edit.MinValue = 1;
    edit.MaxValue = 2;
    edit.setText(QStringLiteral("5"));
    EXPECT_FALSE(edit.checkOnExit());
    edit.setText(QStringLiteral("1.5"));
    EXPECT_TRUE(edit.checkOnExit());
    EXPECT_FALSE(edit.hasError());

    edit.ShowError = false;
    edit.setText(QString());
    EXPECT_TRUE(edit.checkOnExit());
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(home.messages().texts().size(), 1);
}

TEST(YsEdit, KeyFilterByNumberType)
{
    struct Case
    {
        TYsEdit::TNumEditType type;
        QString start;
        QString typed;
        QString result;
    };
    const Case cases[] = {
        {TYsEdit::EditFloat, "", "-1-2.3.4a,e", "-12.34"},
        {TYsEdit::EditFloat, "5", "-", "5"},
        {TYsEdit::EditInt, "", "-1.5x-", "-15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        TYsEdit edit;
        edit.setEditType(c.type);
        edit.setText(c.start);
        QTest::keyClicks(&edit, c.typed);
        EXPECT_EQ(edit.text(), c.result);
    }
    TYsEdit edit;
    edit.setText(QStringLiteral("12"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
}

TEST(YsEdit, ValueTypeAndDecimals)
{
    TYsEdit edit;
    EXPECT_EQ(edit.text(), QStringLiteral("0.00"));
    EXPECT_EQ(edit.maxLength(), 8);
    EXPECT_EQ(edit.Mydec(), 2);

    edit.setNumb(0.1 + 0.2);
    EXPECT_EQ(edit.text(), QStringLiteral("0.3"));
    EXPECT_DOUBLE_EQ(edit.Numb(), 0.3); // a double, not single precision
    edit.setText(QStringLiteral("12.5x"));
    EXPECT_EQ(edit.Numb(), 0);
    EXPECT_EQ(edit.text(), QString());

    edit.setMydec(0);
    EXPECT_EQ(edit.Mydec(), 2);
    edit.setText(QStringLiteral("1.5"));
    edit.setEditType(TYsEdit::EditInt);
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    edit.setText(QStringLiteral("1.5"));
    edit.setEditType(TYsEdit::EditFloat);
    EXPECT_EQ(edit.text(), QStringLiteral("1.50"));
    edit.FormatNumPoint = true;
    edit.setMydec(4);
    EXPECT_EQ(edit.text(), QStringLiteral("1.5000"));

    EXPECT_EQ(TYsEdit::padDecimals(QStringLiteral("7"), 3), QStringLiteral("7"));
    EXPECT_EQ(TYsEdit::padDecimals(QStringLiteral("7.12345"), 2), QStringLiteral("7.12345"));
    EXPECT_EQ(TYsEdit::padDecimals(QStringLiteral("7."), 2), QStringLiteral("7.00"));
}

TEST(YsEdit, ARefusedEntryKeepsTheFocusAndTheExitHandlerRunsAfterTheCheck)
{
    TempHome home;
    EditWindow w;
    w.edit->MinValue = 0.2;
    w.edit->MaxValue = 2;
    QStringList order;
    w.edit->setOnExit([&] { order << w.edit->text(); });
    w.edit->clear();
    QTest::keyClicks(w.edit, QStringLiteral("3"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入 0.2 到 2 之间的实数！")});
    EXPECT_TRUE(w.edit->hasFocus());
    EXPECT_EQ(w.edit->selectedText(), QStringLiteral("3"));
    EXPECT_EQ(order, QStringList{QStringLiteral("3")});

    home.messages().clear();
    w.edit->setText(QStringLiteral("1"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(home.messages().texts().isEmpty());
    EXPECT_TRUE(w.other->hasFocus());
}

TEST(InputChecks, RealAndIntegerChecksWarnAndKeepTheFocus)
{
    struct Case
    {
        bool integer;
        QString text;
        double min, max;
        QString warning; // empty: accepted
    };
    const Case cases[] = {
        {false, "", 0, 1, "输入不能为空！"},
        {false, "abc", 0, 1, "输入数据出错，或超出数据范围！"},
        {false, "0.19", 0.2, 2, "请输入 0.2 到 2 之间的数！"},
        {false, "2.01", 0.2, 2, "请输入 0.2 到 2 之间的数！"},
        {false, " 2 ", 0.2, 2, ""},
        {true, "", 1, 10, "输入不能为空！"},
        {true, "1.5", 1, 10, "请输入一个整数，或超出数据范围！"},
        {true, "11", 1, 10, "请输入 1 到 10 之间的整数！"},
        {true, "10", 1, 10, ""},
    };
    TempHome home;
    EditWindow w;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        home.messages().clear();
        setInputError(!c.warning.isEmpty()); // the check clears a flag left from before
        w.other->setFocus();
        w.other->setText(c.text);
        const bool ok = c.integer ? CheckIntInput(w.other, static_cast<int>(c.min), static_cast<int>(c.max))
                                  : CheckRealInput(w.other, c.min, c.max);
        EXPECT_EQ(ok, c.warning.isEmpty());
        EXPECT_EQ(InputError(), !c.warning.isEmpty());
        EXPECT_EQ(home.messages().texts(), c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
        if (!ok) {
            EXPECT_TRUE(w.other->hasFocus());
            EXPECT_EQ(w.other->selectedText(), c.text);
        }
    }
}

TEST(InputChecks, EditCheckOnControlsFiltersMarksAndChecksOnEnter)
{
    TempHome home;
    QWidget container;
    auto* edit = new QLineEdit(&container);
    auto* combo = new QComboBox(&container);
    combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
    auto* check = new QCheckBox(&container);
    auto* group = new QGroupBox(&container);
    auto* inner = new QLineEdit(group); // not a direct child: left alone
    int marks = 0;
    EditCheckOnControls(&container, [&] { ++marks; });
    EditCheckOnControls(&container, [&] { ++marks; }); // a second call adds nothing
    setExitHandler(edit, [edit] { CheckRealInput(edit, 1, 5); });

    QTest::keyClicks(edit, QStringLiteral("1a-2.5 "));
    EXPECT_EQ(edit->text(), QStringLiteral("12.5"));
    EXPECT_EQ(edit->maxLength(), 10);
    EXPECT_EQ(marks, 4);
    combo->setCurrentIndex(1);
    EXPECT_EQ(marks, 5);
    QTest::keyClicks(inner, QStringLiteral("x"));
    EXPECT_EQ(inner->text(), QStringLiteral("x"));
    EXPECT_EQ(marks, 5);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(check, &focusIn);
    EXPECT_EQ(marks, 6);

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入 1 到 5 之间的数！")});
    EXPECT_TRUE(InputError());
}

TEST(InputChecks, CheckEditsOnCloseStopsAtTheFirstRejectedVisibleEdit)
{
    TempHome home;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hidden = new QLineEdit(QStringLiteral("99"), &window);
    auto* good = new QLineEdit(QStringLiteral("3"), &window);
    auto* numeric = new TYsEdit(&window);
    auto* bad = new QLineEdit(QStringLiteral("9"), &window);
    auto* unchecked = new QLineEdit(QStringLiteral("x"), &window);
    for (QWidget* w : {static_cast<QWidget*>(hidden), static_cast<QWidget*>(good), static_cast<QWidget*>(numeric),
                       static_cast<QWidget*>(bad), static_cast<QWidget*>(unchecked)}) {
        layout->addWidget(w);
    }
    for (QLineEdit* e : {hidden, good, bad}) {
        setExitHandler(e, [e] { CheckRealInput(e, 1, 5); });
    }
    window.show();
    hidden->hide();
    EXPECT_TRUE(CheckEditsOnClose(&window));
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入 1 到 5 之间的数！")});

    bad->setText(QStringLiteral("4"));
    home.messages().clear();
    EXPECT_FALSE(CheckEditsOnClose(&window));
    EXPECT_TRUE(home.messages().texts().isEmpty());

    // A numeric edit that refuses its entry keeps the dialog open too.
    numeric->MinValue = 1;
    numeric->MaxValue = 2;
    numeric->setText(QStringLiteral("7"));
    EXPECT_TRUE(CheckEditsOnClose(&window));
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入 1 到 2 之间的实数！")});
}

TEST(MyReScale, AppliesTheEntriesOfTheScreenSection)
{
    TempHome home;
    QWidget form;
    form.setObjectName(QStringLiteral("frm"));
    auto* group = new QGroupBox(&form);
    group->setObjectName(QStringLiteral("grp"));
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QStringLiteral("ed"));
    auto* button = new QPushButton(&form);
    button->setObjectName(QStringLiteral("btn"));
    auto* label = new QLabel(&form);
    label->setObjectName(QStringLiteral("lbl"));
    auto* unnamed = new QLabel(&form);
    group->setGeometry(1, 2, 300, 200);
    label->setGeometry(5, 6, 7, 8);
    unnamed->setGeometry(9, 9, 9, 9);

    EXPECT_EQ(TmyReScale::keyOf(edit), QStringLiteral("frm>grp>ed"));
    EXPECT_EQ(TmyReScale::keyOf(button), QStringLiteral("nil>frm>btn"));
    EXPECT_EQ(TmyReScale::keyOf(&form), QStringLiteral("nil>frm"));

    writeFile(home.file(QStringLiteral("config.ini")),
              "[800*600]\r\nnil>frm>btn=1,1,1,1\r\n"
              "[1024*768]\r\nfrm>grp>ed=10,20,30,40,Serif,11\r\n"
              "nil>frm>btn=5,6,25,80,,\r\n"
              "nil>frm>lbl=x,1,2,3\r\n"
              "nil>frm>grp=1,2,3,4,Serif,zz\r\n");
    TmyReScale store;
    store.InifileName = home.file(QStringLiteral("config.ini"));
    store.YsOwnerForm = &form;
    store.ScreenWidth = 1024;
    store.ScreenHeight = 768;
    ASSERT_TRUE(store.load());
    EXPECT_EQ(store.SectionName, QStringLiteral("1024*768"));
    EXPECT_EQ(edit->geometry(), QRect(20, 10, 40, 30));
    EXPECT_EQ(edit->font().family(), QStringLiteral("Serif"));
    EXPECT_EQ(edit->font().pointSize(), 11);
    EXPECT_EQ(button->geometry(), QRect(6, 5, 80, 25));
    // A malformed entry leaves its control as designed; a group carries no font.
    EXPECT_EQ(label->geometry(), QRect(5, 6, 7, 8));
    EXPECT_EQ(group->geometry(), QRect(2, 1, 4, 3));

    // A screen without a section changes nothing; saving and loading again gives the same layout.
    store.ScreenWidth = 1280;
    edit->setGeometry(3, 4, 50, 20);
    ASSERT_TRUE(store.load());
    EXPECT_EQ(edit->geometry(), QRect(3, 4, 50, 20));
    ASSERT_TRUE(store.save());
    edit->setGeometry(0, 0, 1, 1);
    ASSERT_TRUE(store.load());
    EXPECT_EQ(edit->geometry(), QRect(3, 4, 50, 20));
    EXPECT_EQ(unnamed->geometry(), QRect(9, 9, 9, 9));

    // The program's config.ini is loaded when present, and its absence is not an error.
    TmyReScale::loadLayout(&form);
    QFile::remove(home.file(QStringLiteral("config.ini")));
    TmyReScale::loadLayout(&form);
}
