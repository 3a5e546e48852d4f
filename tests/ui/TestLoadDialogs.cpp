#include "TempHome.h"
#include "WhenModal.h"
#include "core/Gbk.h"
#include "report/ReportFonts.h"
#include "ui/Tfm_GroundWorkPara.h"
#include "ui/Tfm_LoadPara.h"
#include "ui/Tfm_WindMod.h"
#include "ui/Tfm_windHigh.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Shows the dialog as the active window, so the checks can give an edit the focus.
void showActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// One numeric entry of a dialog: a value it takes (and the field it must reach after 确定), a value it refuses
// with the exact warning.
template<class Dialog> struct EntryCase
{
    const char* name;
    QLineEdit* Dialog::*edit;
    const char* accepted;
    std::function<double(const Dialog&)> field;
    double expected;
    const char* rejected;
    const char* message;
};

// Every case on a fresh dialog: the refused value keeps the dialog open with the message and the focus on the
// edit, then the accepted value reaches the copy on 确定.
template<class Dialog>
void runEntryCases(const std::vector<EntryCase<Dialog>>& cases, const std::function<std::unique_ptr<Dialog>()>& make)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempHome home;
        auto dialog = make();
        showActive(*dialog);
        QLineEdit* edit = (*dialog).*(c.edit);
        edit->setText(QString::fromUtf8(c.rejected));
        EXPECT_FALSE(dialog->confirm());
        ASSERT_FALSE(home.messages().texts().isEmpty());
        EXPECT_EQ(home.messages().texts().last(), QString::fromUtf8(c.message));
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_NE(dialog->result(), QDialog::Accepted);

        home.messages().clear();
        edit->setText(QString::fromUtf8(c.accepted));
        EXPECT_TRUE(dialog->confirm());
        EXPECT_TRUE(home.messages().texts().isEmpty()) << home.messages().texts().join('\n').toStdString();
        EXPECT_DOUBLE_EQ(c.field(*dialog), c.expected);
    }
}

LoadDialogFrame doubleRowFrame()
{
    LoadDialogFrame frame;
    frame.lineCount = 1;
    frame.stepM = 1.8;
    frame.spacingLaM = 1.5;
    frame.tubeType = 0;
    frame.erectionHeightText = QStringLiteral("24");
    return frame;
}

std::unique_ptr<Tfm_LoadPara> defaultLoadDialog()
{
    return std::make_unique<Tfm_LoadPara>(TStaticLoad{}, TLiveLoad{}, TOtherLoad{}, TWindload{}, true,
                                          doubleRowFrame());
}

// The load dialog with its two sub-dialogs answered by a script instead of exec().
class ScriptedLoadPara : public Tfm_LoadPara
{
public:
    using Tfm_LoadPara::Tfm_LoadPara;
    std::function<bool(QDialog&)> script;

protected:
    bool runSubDialog(QDialog& dialog) override
    {
        dialog.show();
        return script(dialog);
    }
};

} // namespace

TEST(LoadDialogs, LoadParaEntriesReachTheCopiesOrAreRefused)
{
    using D = Tfm_LoadPara;
    const std::vector<EntryCase<D>> cases = {
        {"construct load", &D::ed_ConstructLoad, "2.5", [](const D& d) { return d.liveLoad().ConstructSTDValue; }, 2.5,
         "100.5", "请输入 0.01 到 100 之间的数！"},
        {"wo", &D::Ed_Wo, "0.7", [](const D& d) { return d.windLoad().Wo; }, 0.7, "0", "请输入 0.01 到 10 之间的数！"},
        {"uz", &D::Ed_uz, "1.25", [](const D& d) { return d.windLoad().Uz; }, 1.25, "10.01",
         "请输入 0.01 到 10 之间的数！"},
        {"us", &D::Ed_us, "0.1", [](const D& d) { return d.windLoad().Us; }, 0.1, "0.09",
         "请输入 0.1 到 10 之间的数！"},
        {"board", &D::ed_BoardDeadWeight, "0.35", [](const D& d) { return d.staticLoad().ScaffoldBoardDeadWeight; },
         0.35, "", "输入不能为空！"},
        {"baluster", &D::ed_BalusterDeadWeight, "10", [](const D& d) { return d.staticLoad().BalusterDeadWeight; }, 10,
         "1..2", "输入数据出错，或超出数据范围！"},
        {"safeware", &D::ed_safewareDeadWeight, "0.001", [](const D& d) { return d.staticLoad().SafeWareDeadWeight; },
         0.001, "0.0009", "请输入 0.001 到 10 之间的数！"},
        {"board layers", &D::ed_ScaffoldBoardLayer, "100", [](const D& d) { return d.staticLoad().ScaffoldBoardLayer; },
         100, "2.5", "请输入一个整数，或超出数据范围！"},
        {"floors", &D::ed_ConstructFloor, "1", [](const D& d) { return d.otherLoad().ConstructFloor; }, 1, "101",
         "请输入 1 到 100 之间的整数！"},
    };
    runEntryCases<D>(cases, defaultLoadDialog);
}

TEST(LoadDialogs, LoadParaListsLookUpTheirValues)
{
    TempHome home;
    auto d = defaultLoadDialog();
    showActive(*d);
    // a new object's purpose is 结构脚手架, not the list's first item
    EXPECT_EQ(d->CB_purpose->currentText(), QStringLiteral("结构脚手架"));
    EXPECT_EQ(d->ed_ConstructLoad->text(), QStringLiteral("3"));
    EXPECT_EQ(d->ed_poleDeadWeight->text(), QStringLiteral("0.1248")); // double rows, h 1.8 m, la 1.5 m
    EXPECT_FALSE(d->ed_poleDeadWeight->isEnabled());

    d->CB_purpose->setCurrentIndex(0);
    EXPECT_EQ(d->ed_ConstructLoad->text(), QStringLiteral("2"));
    d->cb_ScaffoldBoardType->setCurrentIndex(3);
    EXPECT_EQ(d->ed_BoardDeadWeight->text(), QStringLiteral("0.1"));
    d->cb_BalusterType->setCurrentIndex(1);
    EXPECT_EQ(d->ed_BalusterDeadWeight->text(), QStringLiteral("0.14"));
    d->cb_isWind->setChecked(false);

    d->cb_Province->setCurrentIndex(d->cb_Province->findText(QStringLiteral("北京")));
    EXPECT_EQ(d->CB_area->currentText(), QStringLiteral("北京市"));
    EXPECT_EQ(d->Ed_Wo->text(), QStringLiteral("0.45"));
    d->cb_Province->setCurrentIndex(d->cb_Province->findText(QStringLiteral("浙江")));
    d->CB_area->setCurrentIndex(d->CB_area->findText(QStringLiteral("临安县天目山")));
    EXPECT_EQ(d->Ed_Wo->text(), QStringLiteral("0.75"));

    int widest = 0;
    for (int i = 0; i < d->CB_area->count(); ++i) {
        widest = std::max(widest, static_cast<int>(toGbk(d->CB_area->itemText(i)).size()));
    }
    EXPECT_GE(d->CB_area->view()->minimumWidth(), widest * d->CB_area->font().pointSize());

    ASSERT_TRUE(d->confirm());
    EXPECT_EQ(d->liveLoad().Purpose, 0);
    EXPECT_DOUBLE_EQ(d->liveLoad().ConstructSTDValue, 2);
    EXPECT_EQ(d->staticLoad().ScaffoldBoardType, 3);
    EXPECT_DOUBLE_EQ(d->staticLoad().ScaffoldBoardDeadWeight, 0.1);
    EXPECT_EQ(d->staticLoad().BalusterType, 1);
    EXPECT_DOUBLE_EQ(d->staticLoad().DeadWeightPoleSTD, 0.1248);
    EXPECT_FALSE(d->windLoadValid());
    EXPECT_EQ(d->windLoad().Province, d->cb_Province->findText(QStringLiteral("浙江")));
    EXPECT_EQ(d->windLoad().District, QStringLiteral("临安县天目山"));
    EXPECT_DOUBLE_EQ(d->windLoad().Wo, 0.75);
    EXPECT_TRUE(home.messages().texts().isEmpty());
}

TEST(LoadDialogs, LoadParaShowsTheChosenCityOrZhejiangWhenNoneIsChosen)
{
    TempHome home;
    TWindload none;
    none.District = QStringLiteral("北京市");
    none.Wo = 0.9;
    Tfm_LoadPara fresh(TStaticLoad{}, TLiveLoad{}, TOtherLoad{}, none, true, doubleRowFrame());
    EXPECT_EQ(fresh.cb_Province->currentText(), QStringLiteral("浙江"));
    EXPECT_EQ(fresh.CB_area->currentText(), QStringLiteral("杭州市"));
    EXPECT_EQ(fresh.Ed_Wo->text(), QStringLiteral("0.45"));

    TWindload chosen;
    chosen.Province = fresh.cb_Province->findText(QStringLiteral("浙江"));
    chosen.District = QStringLiteral("平湖县乍浦");
    chosen.Wo = 0.9; // the stored pressure stands, even where the table differs
    Tfm_LoadPara stored(TStaticLoad{}, TLiveLoad{}, TOtherLoad{}, chosen, true, doubleRowFrame());
    EXPECT_EQ(stored.cb_Province->currentText(), QStringLiteral("浙江"));
    EXPECT_EQ(stored.CB_area->currentText(), QStringLiteral("平湖县乍浦"));
    EXPECT_EQ(stored.Ed_Wo->text(), QStringLiteral("0.9"));
}

TEST(LoadDialogs, LoadParaEditAssignsOnlyOnConfirm)
{
    TempHome home;
    TStaticLoad st;
    st.DeadWeightPoleSTD = 0.99;
    TLiveLoad live;
    TOtherLoad other;
    TWindload wind;
    bool windValid = true;

    whenModal([](QWidget* w) {
        auto* d = qobject_cast<Tfm_LoadPara*>(w);
        ASSERT_NE(d, nullptr);
        d->ed_ConstructLoad->setText(QStringLiteral("5"));
        d->cb_isWind->setChecked(false);
        d->bt_cancel->click();
    });
    EXPECT_FALSE(Tfm_LoadPara::edit(st, live, other, wind, windValid, doubleRowFrame()));
    EXPECT_DOUBLE_EQ(live.ConstructSTDValue, 3);
    EXPECT_DOUBLE_EQ(st.DeadWeightPoleSTD, 0.99);
    EXPECT_TRUE(windValid);
    EXPECT_EQ(wind.Province, -1);

    whenModal([](QWidget* w) {
        auto* d = qobject_cast<Tfm_LoadPara*>(w);
        ASSERT_NE(d, nullptr);
        d->ed_ConstructLoad->setText(QStringLiteral("5"));
        d->cb_isWind->setChecked(false);
        d->bt_ok->click();
    });
    EXPECT_TRUE(Tfm_LoadPara::edit(st, live, other, wind, windValid, doubleRowFrame()));
    EXPECT_DOUBLE_EQ(live.ConstructSTDValue, 5);
    EXPECT_DOUBLE_EQ(st.DeadWeightPoleSTD, 0.1248); // recomputed from the frame, not the stored value
    EXPECT_FALSE(windValid);
    EXPECT_EQ(wind.District, QStringLiteral("杭州市"));
    EXPECT_GE(wind.Province, 0);
}

TEST(LoadDialogs, LoadParaRefusesToCloseWhileAnEntryIsRejected)
{
    TempHome home;
    auto d = defaultLoadDialog();
    showActive(*d);
    d->Ed_Wo->setText(QStringLiteral("11"));
    d->bt_cancel->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("请输入 0.01 到 10 之间的数！")});
    EXPECT_TRUE(d->Ed_Wo->hasFocus());
    d->Ed_Wo->setText(QStringLiteral("0.5"));
    d->bt_cancel->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
}

TEST(LoadDialogs, WindSubDialogsChangeTheLoadDialogOnlyOnConfirm)
{
    TempHome home;
    ScriptedLoadPara d(TStaticLoad{}, TLiveLoad{}, TOtherLoad{}, TWindload{}, true, doubleRowFrame());
    showActive(d);

    // cancelled: neither the entries nor the wind copy change
    d.script = [](QDialog& sub) {
        auto& high = dynamic_cast<Tfm_windHigh&>(sub);
        high.cb_coarse->setCurrentIndex(0);
        high.ed_High->setText(QStringLiteral("12"));
        high.reject();
        return false;
    };
    d.editHeightFactor();
    d.script = [](QDialog& sub) {
        auto& mod = dynamic_cast<Tfm_WindMod&>(sub);
        mod.rg_typeButtons->button(0)->setChecked(true);
        mod.ed_areaNoWind->setText(QStringLiteral("3"));
        mod.reject();
        return false;
    };
    d.editShapeFactor();
    EXPECT_EQ(d.Ed_uz->text(), QStringLiteral("0.84"));
    EXPECT_EQ(d.Ed_us->text(), QStringLiteral("1.2"));
    EXPECT_DOUBLE_EQ(d.windLoad().High, 18.6);
    EXPECT_EQ(d.windLoad().Coarse, 2);
    EXPECT_DOUBLE_EQ(d.windLoad().AN, 12.25);
    EXPECT_EQ(d.windLoad().ScaffoldStatus, 1);

    // confirmed: μz of the first tabulated height at or above 12 m for terrain A (15 m: 1.52)
    d.script = [](QDialog& sub) {
        auto& high = dynamic_cast<Tfm_windHigh&>(sub);
        EXPECT_EQ(high.cb_coarse->currentIndex(), 2);
        EXPECT_EQ(high.ed_High->text(), QStringLiteral("18.6"));
        high.takeScaffoldHeight();
        EXPECT_EQ(high.ed_High->text(), QStringLiteral("24"));
        high.cb_coarse->setCurrentIndex(0);
        high.ed_High->setText(QStringLiteral("12"));
        return high.confirm();
    };
    d.editHeightFactor();
    EXPECT_EQ(d.Ed_uz->text(), QStringLiteral("1.52"));
    // μs unrounded: 1.0 × 1.2 × 1 / 7
    d.script = [](QDialog& sub) {
        auto& mod = dynamic_cast<Tfm_WindMod&>(sub);
        EXPECT_TRUE(mod.rg_typeButtons->button(1)->isChecked());
        mod.ed_areaNoWind->setText(QStringLiteral("1"));
        mod.ed_areaWind->setText(QStringLiteral("7"));
        return mod.confirm();
    };
    d.editShapeFactor();
    EXPECT_EQ(d.Ed_us->text(), QStringLiteral("0.171428571428571"));

    ASSERT_TRUE(d.confirm());
    EXPECT_DOUBLE_EQ(d.windLoad().High, 12);
    EXPECT_EQ(d.windLoad().Coarse, 0);
    EXPECT_DOUBLE_EQ(d.windLoad().Uz, 1.52);
    EXPECT_DOUBLE_EQ(d.windLoad().AN, 1);
    EXPECT_DOUBLE_EQ(d.windLoad().Aw, 7);
    EXPECT_DOUBLE_EQ(d.windLoad().Us, 0.171428571428571);
    EXPECT_TRUE(home.messages().texts().isEmpty());
}

TEST(LoadDialogs, WindSubDialogEntriesReachTheCopyOrAreRefused)
{
    using H = Tfm_windHigh;
    runEntryCases<H>({{"height", &H::ed_High, "100", [](const H& d) { return d.wind().High; }, 100, "0.5",
                       "请输入 1 到 100 之间的数！"}},
                     [] { return std::make_unique<H>(TWindload{}, QString()); });
    using M = Tfm_WindMod;
    runEntryCases<M>({{"blocking area", &M::ed_areaNoWind, "0.1", [](const M& d) { return d.wind().AN; }, 0.1, "0.09",
                       "请输入 0.1 到 100 之间的数！"},
                      {"windward area", &M::ed_areaWind, "100", [](const M& d) { return d.wind().Aw; }, 100, "0",
                       "请输入 0.1 到 100 之间的数！"}},
                     [] { return std::make_unique<M>(TWindload{}); });
}

TEST(LoadDialogs, GroundWorkParaEntriesReachTheCopyOrAreRefused)
{
    using G = Tfm_GroundWorkPara;
    const std::vector<EntryCase<G>> cases = {
        {"fgk", &G::ed_WeightBearSTD, "9000", [](const G& d) { return d.ground().fgk; }, 9000, "9000.5",
         "请输入 0.01 到 9000 之间的数！"},
        {"area", &G::ed_BaseArea, "0.5", [](const G& d) { return d.ground().A; }, 0.5, "1.2",
         "请输入 0.01 到 1 之间的数！"},
        {"kc", &G::ed_LowerMod, "2", [](const G& d) { return d.ground().Kc; }, 2, "0", "请输入 0.01 到 2 之间的数！"},
    };
    runEntryCases<G>(cases, [] { return std::make_unique<G>(TGroundWorkPara{}); });
}

TEST(LoadDialogs, GroundWorkParaListsAndEdit)
{
    TempHome home;
    TGroundWorkPara ground;
    ground.N = 33;
    {
        Tfm_GroundWorkPara d(ground);
        showActive(d);
        EXPECT_EQ(d.cb_LowerType->count(), 3);
        EXPECT_EQ(d.cb_LowerType->currentText(), QStringLiteral("碎石土、砂土、回填土"));
        EXPECT_EQ(d.ed_LowerMod->text(), QStringLiteral("0.4"));
        d.cb_LowerType->setCurrentIndex(1);
        EXPECT_EQ(d.ed_LowerMod->text(), QStringLiteral("0.5"));
        // every soil kind shows its table of bearing capacities, not the fallback naming it
        for (int kind = 0; kind < d.cb_GroundType->count(); ++kind) {
            d.cb_GroundType->setCurrentIndex(kind);
            EXPECT_FALSE(d.img_Ground->pixmap().isNull()) << d.cb_GroundType->currentText().toStdString();
            EXPECT_TRUE(d.img_Ground->text().isEmpty()) << d.img_Ground->text().toStdString();
        }
        EXPECT_EQ(d.cb_GroundType->count(), 8);
        d.cb_GroundType->setCurrentIndex(5);
        EXPECT_TRUE(d.ed_WeightBearSTD->hasFocus());
        ASSERT_TRUE(d.confirm());
        EXPECT_EQ(d.ground().LowerType, 1);
        EXPECT_DOUBLE_EQ(d.ground().Kc, 0.5);
        EXPECT_EQ(d.ground().GroundType, 5);
    }

    whenModal([](QWidget* w) {
        auto* d = qobject_cast<Tfm_GroundWorkPara*>(w);
        ASSERT_NE(d, nullptr);
        d->ed_BaseArea->setText(QStringLiteral("0.5"));
        d->bt_cancel->click();
    });
    EXPECT_FALSE(Tfm_GroundWorkPara::edit(ground));
    EXPECT_DOUBLE_EQ(ground.A, 0.25);

    whenModal([](QWidget* w) {
        auto* d = qobject_cast<Tfm_GroundWorkPara*>(w);
        ASSERT_NE(d, nullptr);
        d->ed_BaseArea->setText(QStringLiteral("0.5"));
        d->bt_ok->click();
    });
    EXPECT_TRUE(Tfm_GroundWorkPara::edit(ground));
    EXPECT_DOUBLE_EQ(ground.A, 0.5);
    EXPECT_DOUBLE_EQ(ground.N, 33);
    EXPECT_TRUE(home.messages().texts().isEmpty());
}

// With YUNSHAN_SCREENSHOT_DIR set: each of the four dialogs filled with the defaults.
TEST(Screenshots, LoadDialogs)
{
    const QString dir = qEnvironmentVariable("YUNSHAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        GTEST_SKIP() << "YUNSHAN_SCREENSHOT_DIR is not set";
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
    auto load = defaultLoadDialog();
    save(*load, "dialog-load-parameters.png");
    Tfm_windHigh high(TWindload{}, QStringLiteral("24"));
    save(high, "dialog-wind-height.png");
    Tfm_WindMod mod(TWindload{});
    save(mod, "dialog-wind-shape.png");
    Tfm_GroundWorkPara ground(TGroundWorkPara{});
    save(ground, "dialog-ground.png");
}
