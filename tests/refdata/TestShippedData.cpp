// The shipped reference database: the orderings the lookups rely on, the rows the parameter defaults point at,
// and spot values of the design codes through the lookups the calculations use.
#include "QtPrinters.h"
#include "refdata/Tdm1.h"

#include <QSet>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

namespace {

class ShippedData : public ::testing::Test
{
protected:
    // One module for the suite, closed before the application object goes.
    static void SetUpTestSuite() { s_db = std::make_unique<Tdm1>(QStringLiteral(YUNSHAN_REFDATA_DB)); }
    static void TearDownTestSuite() { s_db.reset(); }
    void SetUp() override { ASSERT_TRUE(db.isOpen()) << db.openError().toStdString(); }
    double value(const char* sql, const QVariantList& params = {})
    {
        return db.GetSqlValue(QString::fromUtf8(sql), params);
    }

    static inline std::unique_ptr<Tdm1> s_db;
    Tdm1& db = *s_db;
};

TEST_F(ShippedData, TypeIdsRunFromZeroWithoutGaps)
{
    const char* tables[] = {"TraitOfPole",
                            "TraitOfPoleOfDoor",
                            "ValueOffcm",
                            "ValueOffy",
                            "IntensionAndFlexibilityOfSteel",
                            "SupportForceOfFastenerAndBase",
                            "DeadWeightOfScaffoldBoard",
                            "DeadWeightOfHandrail",
                            "ConstructingloadSTD",
                            "GroundDownRate",
                            "DoorFrameList",
                            "SlotSteelParaOfHoriGirder",
                            "OtherSteelParaOfHoriGirder",
                            "AngleIronSpec",
                            "DegreeOfFlexibilityOfFittings",
                            "ratioOfLonAndThinOfFittings"};
    for (const char* table : tables) {
        const SqlRows r = db.OpenSql(QStringLiteral("select TypeId from %1 order by TypeId").arg(table));
        ASSERT_FALSE(r.isEmpty()) << table;
        for (int i = 0; i < r.count(); ++i) {
            ASSERT_EQ(r.value(i, 0).toInt(), i) << table;
        }
    }
}

// Every (first, second) pair of a two-way table exists once, so an interpolation finds all four corners.
void expectFullGrid(Tdm1& db, const QString& sql, int firstCount, int secondCount)
{
    const SqlRows r = db.OpenSql(sql);
    QSet<double> first;
    QSet<double> second;
    QSet<QPair<double, double>> cells;
    for (int i = 0; i < r.count(); ++i) {
        first << r.value(i, 0).toDouble();
        second << r.value(i, 1).toDouble();
        cells << qMakePair(r.value(i, 0).toDouble(), r.value(i, 1).toDouble());
    }
    EXPECT_EQ(first.size(), firstCount) << sql.toStdString();
    EXPECT_EQ(second.size(), secondCount) << sql.toStdString();
    EXPECT_EQ(cells.size(), firstCount * secondCount) << sql.toStdString();
    EXPECT_EQ(r.count(), firstCount * secondCount) << sql.toStdString();
}

TEST_F(ShippedData, GridsAreCompleteAndOrderedAsTheLookupsWalkThem)
{
    expectFullGrid(db, QStringLiteral("select h, La from ValueOfgk where TypeId = 0"), 5, 4);
    expectFullGrid(db, QStringLiteral("select h, La from ValueOfgk where TypeId = 1"), 5, 4);
    expectFullGrid(db, QStringLiteral("select h, Hv from k2"), 9, 13);
    expectFullGrid(db, QStringLiteral("select h, type from Uz"), 19, 4);
    // The k2 and gk grids end exactly at the clamps of their lookups.
    EXPECT_EQ(value("select min(h) from k2"), 1.35);
    EXPECT_EQ(value("select max(h) from k2"), 2.7);
    EXPECT_EQ(value("select min(Hv) from k2"), 4);
    EXPECT_EQ(value("select max(Hv) from k2"), 40);
    EXPECT_EQ(value("select min(h) from ValueOfgk"), 1.2);
    EXPECT_EQ(value("select max(h) from ValueOfgk"), 2.0);

    // φ holds every whole slenderness 0 .. 250 and never rises with it.
    const SqlRows phi = db.OpenSql(QStringLiteral("select x, Value from valueOfFyAboutFittings order by x"));
    ASSERT_EQ(phi.count(), 251);
    for (int i = 0; i < phi.count(); ++i) {
        EXPECT_EQ(phi.value(i, 0).toInt(), i);
        if (i > 0) {
            EXPECT_LE(phi.value(i, 1).toDouble(), phi.value(i - 1, 1).toDouble()) << "x " << i;
        }
    }
    // μz never falls with height in any terrain.
    for (int category = 0; category < 4; ++category) {
        const SqlRows uz = db.OpenSql(QStringLiteral("select value from Uz where type = ? order by h"), {category});
        for (int i = 1; i < uz.count(); ++i) {
            EXPECT_GE(uz.value(i, 0).toDouble(), uz.value(i - 1, 0).toDouble()) << "category " << category;
        }
    }
    // The slab coefficients are also ascending in stored order, as the original statement expects.
    const SqlRows lx = db.OpenSql(QStringLiteral("select lx from FlinchCoefficient"));
    for (int i = 1; i < lx.count(); ++i) {
        EXPECT_LT(lx.value(i - 1, 0).toDouble(), lx.value(i, 0).toDouble());
    }
    // Concrete grades: "C" and two digits, ascending in text order as in number order.
    const SqlRows c = db.OpenSql(QStringLiteral("select type from valueoffcm order by type"));
    for (int i = 0; i < c.count(); ++i) {
        const QString t = c.value(i, 0).toString();
        ASSERT_EQ(t.size(), 3) << t.toStdString();
        EXPECT_TRUE(t[0] == QLatin1Char('C') && t[1].isDigit() && t[2].isDigit()) << t.toStdString();
        if (i > 0) {
            EXPECT_LT(c.value(i - 1, 0).toString().mid(1).toInt(), t.mid(1).toInt());
        }
    }
}

TEST_F(ShippedData, RowsReadByPositionOrByNameAreThere)
{
    // The door-frame book takes the first thirteen unit weights in stored order.
    const QStringList fittings = {"门架",     "交叉支撑", "水平架", "脚手板", "连接棒", "锁臂", "固定底座",
                                  "可调底座", "可调托座", "梯形架", "窄形架", "承托架", "梯子"};
    const SqlRows w = db.OpenSql(QStringLiteral("select Name, Value from UnitWeightOfFittingsOfdoor"));
    ASSERT_GE(w.count(), fittings.size());
    for (int i = 0; i < fittings.size(); ++i) {
        EXPECT_EQ(w.text(i, QStringLiteral("Name")), fittings[i]);
    }
    // Every frame type's name has its weight, and every kind offered by the guide is a single row.
    const SqlRows frames = db.OpenSql(QStringLiteral("select DoorFrameName from DoorFrameList"));
    for (int i = 0; i < frames.count(); ++i) {
        EXPECT_GT(value("select Value from UnitWeightOfFittingsOfdoor where Name = ?", {frames.value(i, 0)}), 0);
    }
    EXPECT_EQ(value("select count(*) from jsjtype"), value("select count(distinct bname) from jsjtype"));
    EXPECT_EQ(value("select count(*) from jsjtype where jsjclass = 1 or jsjclass = 2"), 9);
    EXPECT_EQ(value("select Type from jsjtype where bname = ?", {QStringLiteral("落地架")}), 2);
    // Every province of the wind table has cities, and the city names are unique.
    EXPECT_EQ(value("select count(*) from Wo"), value("select count(distinct City) from Wo"));
    EXPECT_EQ(db.FillProvinces().items.size(), 34);
    EXPECT_EQ(value("select count(*) from skin"), 1);
}

struct DefaultRow
{
    const char* what;
    const char* sql;
    QVariantList params;
    double expected;
};

TEST_F(ShippedData, EveryDefaultPointsAtASensibleRow)
{
    const DefaultRow cases[] = {
        {"TubeType 0 is Φ48×3.5", "select d * 10 + t from TraitOfPole where TypeId = 0", {}, 483.5},
        {"door StandPoleSteelTubeT 2 is Φ42×2.5",
         "select d * 10 + t from TraitOfPoleOfDoor where TypeId = 2",
         {},
         422.5},
        {"door StrengthPoleSteelTubeT 5 is Φ26.8×2.5",
         "select d * 10 + t from TraitOfPoleOfDoor where TypeId = 5",
         {},
         270.5},
        {"door frame TypeName 0 is MF1219 (weight)",
         "select w.Value from DoorFrameList f, UnitWeightOfFittingsOfdoor w where f.TypeId = 0 and w.Name = "
         "f.DoorFrameName",
         {},
         0.224},
        {"AngleIronType 20 is L56×3", "select b * 10 + d from AngleIronSpec where TypeId = 20", {}, 563},
        {"SlotSteelTypeS 12.6号槽钢",
         "select h from SlotSteelParaOfHoriGirder where TypeCaption = ?",
         {QStringLiteral("12.6号槽钢")},
         126},
        {"PriGirderTypeS 5   号槽钢",
         "select h from SlotSteelParaOfHoriGirder where TypeCaption = ?",
         {QStringLiteral("5   号槽钢")},
         50},
        {"SteelCode 11 of the channels is [20a (the dialog's 28.83 cm²)",
         "select A from SlotSteelParaOfHoriGirder where TypeId = 11",
         {},
         28.837},
        {"SteelCode 11 of the I-sections is I28a",
         "select h from OtherSteelParaOfHoriGirder where TypeId = 11",
         {},
         280},
        {"FloorConcreteType 4 is C35", "select fc from valueoffcm where TypeId = 4", {}, 16.7},
        {"ConcreteType 2 is C25", "select fc from valueoffcm where TypeId = 2", {}, 11.9},
        {"SteelBarType 2 is HRB400", "select Value from ValueOffy where TypeId = 2", {}, 360},
        {"SteelBarType 1 is HRB335", "select Value from ValueOffy where TypeId = 1", {}, 300},
        {"BalusterType 0 gives BalusterDeadWeight 0.11",
         "select Value from DeadWeightOfHandrail where TypeId = 0",
         {},
         0.11},
        {"HandrailTypeS 栏杆冲压钢",
         "select Value from DeadWeightOfHandrail where Type = ?",
         {QStringLiteral("栏杆冲压钢")},
         0.11},
        {"ScaffoldBoardType 0 gives 0.3", "select Value from DeadWeightOfScaffoldBoard where TypeId = 0", {}, 0.3},
        {"ScaffoldBoardTypeS 冲压钢脚手板",
         "select Value from DeadWeightOfScaffoldBoard where Type = ?",
         {QStringLiteral("冲压钢脚手板")},
         0.3},
        {"Purpose 1 gives ConstructSTDValue 3", "select Value from ConstructingloadSTD where TypeId = 1", {}, 3},
        {"LowerType 0 gives Kc 0.4", "select Value from GroundDownRate where TypeId = 0", {}, 0.4},
        {"fastener anti-slip capacity", "select Value from SupportForceOfFastenerAndBase where TypeId = 1", {}, 8},
        {"steel f by typeid", "select Value from IntensionAndFlexibilityOfSteel where TypeId = 0", {}, 205},
        {"steel f by name", "select Value from IntensionAndFlexibilityOfSteel where Name = 'f'", {}, 205},
        {"steel E by name, N/mm²", "select Value from IntensionAndFlexibilityOfSteel where Name = 'E'", {}, 206000},
        {"steel E by typeid", "select Value from IntensionAndFlexibilityOfSteel where TypeId = 1", {}, 206000},
        {"right-angle fastener (N)",
         "select DeadWeight from deadWeightOfTheFittings where name = '直角扣件'",
         {},
         13.2},
        {"swivel fastener (N)", "select DeadWeight from deadWeightOfTheFittings where name = '旋转扣件'", {}, 14.6},
    };
    for (const DefaultRow& c : cases) {
        EXPECT_DOUBLE_EQ(value(c.sql, c.params), c.expected) << c.what;
    }
    EXPECT_EQ(db.heightFactor(18.6, 2), 0.84);                           // the wind component's default μz
    EXPECT_FALSE(db.FillCities(QStringLiteral("浙江")).items.isEmpty()); // the wind dialog's first province
    EXPECT_EQ(db.GetMu(1, 0, 1.05), 1.5);                                // LineCount 1, WalllinkerLay 0 exist
    EXPECT_EQ(db.GetMu(0, 1, 1.05), 2.0);                                // single row, layout 1
    EXPECT_GT(db.GetGk(0, 1.8, 1.5, 48), 0);                             // LineCount 0 has its gk grid
    // Text columns compare without regard to case.
    EXPECT_EQ(value("select Value from IntensionAndFlexibilityOfSteel where Name = 'e'"), 206000);
}

TEST_F(ShippedData, GkMatchesTheCodeTableAndItsRules)
{
    const struct
    {
        int type;
        double h;
        double la;
        double d;
        double gk;
    } cases[] = {
        {1, 1.8, 1.5, 48, 0.1248}, // double row, the code table's most used cell
        {1, 1.5, 1.2, 48, 0.1291},
        {0, 1.8, 1.5, 48, 0.1360}, // single row
        {0, 1.2, 2.0, 48, 0.1958},
        {1, 1.0, 1.5, 48, 0.1611},  // step below 1.2 reads as 1.2
        {1, 2.4, 1.5, 48, 0.1176},  // step above 2.0 reads as 2.0
        {1, 1.8, 2.5, 48, 0.1395},  // spacing beyond the grid reads the last column
        {1, 1.8, 1.0, 48, 0.1161},  // and below it the first
        {1, 1.8, 1.5, 51, 0.1198},  // Φ51 tubes: 0.1248 x 0.96 = 0.119808
        {1, 1.65, 1.5, 48, 0.1321}, // halfway between 1.5 (0.1394) and 1.8 (0.1248)
        // (1.65, 1.65): (0.1394 + 0.1495 + 0.1248 + 0.1337) / 4 = 0.13685
        {1, 1.65, 1.65, 48, 0.1369},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(db.GetGk(c.type, c.h, c.la, c.d), c.gk) << c.type << " " << c.h << " " << c.la << " " << c.d;
    }
}

TEST_F(ShippedData, PhiMatchesTheCodeTableAndItsFormulaAbove250)
{
    const std::map<double, double> cases = {
        {0, 1.000},   {10, 0.974},  {50, 0.852},  {100, 0.588}, {150, 0.308},
        {186, 0.207}, {197, 0.186}, {210, 0.164}, {250, 0.117}, // 250 still from the table
        {251, 0.116},                                           // 7320 / 251² = 0.1162
        {300, 0.081},                                           // 7320 / 300² = 0.0813
        {57.5, -1},                                             // not a whole number: no row
        {-1, -1},
    };
    for (const auto& [lambda, phi] : cases) {
        EXPECT_EQ(db.GetPhi(lambda), phi) << "λ " << lambda;
    }
}

TEST_F(ShippedData, MuK1K2AndSlabCoefficients)
{
    EXPECT_EQ(db.GetMu(1, 0, 1.30), 1.55);
    EXPECT_EQ(db.GetMu(1, 1, 1.55), 1.80);
    EXPECT_EQ(db.GetMu(1, 0, 1.20), 1.53); // 1.50 + (1.20 - 1.05) / 0.25 x 0.05
    EXPECT_EQ(db.GetMu(1, 0, 0.90), 1.50); // below the grid
    EXPECT_EQ(db.GetMu(1, 1, 2.00), 1.80); // above the grid
    EXPECT_EQ(db.GetMu(0, 0, 1.05), 1.80); // single row: one spacing stands for all
    EXPECT_EQ(db.GetMu(1, 2, 1.05), -1);   // no rows for layout 2 (the callers look it up as 0)

    const std::map<double, double> k1
        = {{0.5, 1.243}, {0.9, 1.243}, {1.0, 1.185}, {1.5, 1.167}, {1.8, 1.163}, {2.1, 1.163}, {2.2, -1}};
    for (const auto& [h, k] : k1) {
        EXPECT_EQ(db.GetK1(h), k) << "h " << h;
    }

    EXPECT_EQ(db.GetK2(1.35, 4), 1.0);
    EXPECT_EQ(db.GetK2(1.0, 50), db.GetK2(1.35, 40)); // both clamps
    EXPECT_EQ(db.GetK2(1.35, 40), 1.173);
    EXPECT_EQ(db.GetK2(1.80, 20), 1.052);
    EXPECT_EQ(db.GetK2(3.0, 3), 1.0);
    // h between 1.44 (1.031) and 1.53 (1.024) at H = 10: 1.024 + 0.03 / 0.09 x 0.007 = 1.02633
    EXPECT_EQ(db.GetK2(1.50, 10), 1.026);

    EXPECT_EQ(db.GetFlinchCoefficient(1.0), 0.0176);
    EXPECT_EQ(db.GetFlinchCoefficient(0.5), 0.0400);
    EXPECT_EQ(db.GetFlinchCoefficient(0.45), 0.0400); // the default slab 0.45 x 1.0 m reads the 0.50 row
    EXPECT_EQ(db.GetFlinchCoefficient(0.62), 0.0358); // 0.0345 + 0.03 / 0.05 x 0.0022 = 0.03582
}

TEST_F(ShippedData, TubeSectionsMatchTheCodeAppendix)
{
    const struct
    {
        int typeId;
        TPoleTrait expected;
    } cases[] = {
        {0, {48, 3.5, 4.89, 12.19, 5.08, 1.58, 0.0384}},
        {4, {51, 3.0, 4.52, 13.08, 5.13, 1.70, 0.0355}},
        {6, {48.3, 3.6, 5.06, 12.71, 5.26, 1.59, 0.0397}},
    };
    for (const auto& c : cases) {
        TPoleTrait p;
        db.GetPoleTrait(c.typeId, p);
        EXPECT_EQ(p.d, c.expected.d);
        EXPECT_EQ(p.t, c.expected.t);
        EXPECT_EQ(p.A, c.expected.A);
        EXPECT_EQ(p.I, c.expected.I);
        EXPECT_EQ(p.W, c.expected.W);
        EXPECT_EQ(p.iOfPole, c.expected.iOfPole);
        EXPECT_DOUBLE_EQ(p.DeadWeightSTD, c.expected.DeadWeightSTD);
    }
    const Tdm1::ListFill tubes = db.FillPoleTypes();
    ASSERT_EQ(tubes.items.size(), 8);
    EXPECT_EQ(tubes.items[0], QStringLiteral("Φ48 × 3.5"));
    EXPECT_EQ(tubes.items[3], QStringLiteral("Φ48 × 3"));
    EXPECT_EQ(tubes.items[6], QStringLiteral("Φ48.3 × 3.6"));
    EXPECT_EQ(tubes.index, 0);
    const Tdm1::ListFill door = db.FillDoorPoleTypes();
    EXPECT_EQ(door.items[2], QStringLiteral("Φ42 × 2.5"));
    EXPECT_EQ(door.items[5], QStringLiteral("Φ26.8 × 2.5"));
}

TEST_F(ShippedData, SteelSectionsMatchTheRolledSectionTables)
{
    const struct
    {
        const char* table;
        const char* caption;
        double A, Ix, Wx; // cm², cm⁴, cm³
    } cases[] = {
        {"SlotSteelParaOfHoriGirder", "5   号槽钢", 6.928, 26.0, 10.4},
        {"SlotSteelParaOfHoriGirder", "12.6号槽钢", 15.692, 391, 62.1},
        {"SlotSteelParaOfHoriGirder", "20a 号槽钢", 28.837, 1780, 178},
        {"SlotSteelParaOfHoriGirder", "28a 号槽钢", 40.034, 4760, 340},
        {"OtherSteelParaOfHoriGirder", "16  号工字钢", 26.131, 1130, 141},
        {"OtherSteelParaOfHoriGirder", "20a 号工字钢", 35.578, 2370, 237},
        {"OtherSteelParaOfHoriGirder", "28a 号工字钢", 55.404, 7110, 508},
        {"OtherSteelParaOfHoriGirder", "36a 号工字钢", 76.48, 15800, 875},
    };
    for (const auto& c : cases) {
        const SqlRows r = db.OpenSql(QStringLiteral("select * from %1 where TypeCaption = ?").arg(c.table),
                                     {QString::fromUtf8(c.caption)});
        ASSERT_EQ(r.count(), 1) << c.caption;
        EXPECT_EQ(r.number(0, QStringLiteral("A")), c.A) << c.caption;
        EXPECT_EQ(r.number(0, QStringLiteral("Ix")), c.Ix) << c.caption;
        EXPECT_EQ(r.number(0, QStringLiteral("Wx")), c.Wx) << c.caption;
    }
    // The platform book reads the channel's inertia as "ix": the same column as Ix.
    EXPECT_EQ(value("select ix from SlotSteelParaOfHoriGirder where TypeCaption = '12.6号槽钢'"), 391);
    EXPECT_EQ(value("select i_y from SlotSteelParaOfHoriGirder where TypeCaption = '20a 号槽钢'"), 2.11);
    EXPECT_EQ(value("select a from AngleIronSpec where TypeId = 20"), 3.343);
    EXPECT_EQ(value("select i_y0 from AngleIronSpec where TypeId = 20"), 1.13);
    // The list of the beam dialogs selects its sixth item.
    EXPECT_EQ(db.FillTypeCaptions(QStringLiteral("SlotSteelParaOfHoriGirder")).items[5], QStringLiteral("14a 号槽钢"));
    const Tdm1::ListFill beams = db.FillTypeCaptions(QStringLiteral("OtherSteelParaOfHoriGirder"));
    EXPECT_EQ(beams.index, 5);
    EXPECT_EQ(beams.items[5], QStringLiteral("20a 号工字钢"));
}

TEST_F(ShippedData, WindPressureAndHeightFactor)
{
    const std::map<QString, double> w0 = {
        {"北京市", 0.45}, {"天津市", 0.50}, {"上海市", 0.55},   {"重庆市", 0.40},     {"杭州市", 0.45},
        {"广州市", 0.50}, {"深圳市", 0.75}, {"哈尔滨市", 0.55}, {"乌鲁木齐市", 0.60}, {"泰安市泰山", 0.85},
    };
    for (const auto& [city, w] : w0) {
        EXPECT_EQ(db.basicWindPressure(city), w) << city.toStdString();
    }
    EXPECT_EQ(db.basicWindPressure(QStringLiteral("不存在的城市")), Tdm1::kNoRow);
    const Tdm1::CityFill zhejiang = db.FillCities(QStringLiteral("浙江"));
    EXPECT_EQ(zhejiang.items.size(), 20);
    EXPECT_EQ(zhejiang.items.front(), QStringLiteral("杭州市"));
    EXPECT_EQ(zhejiang.wo, 0.45);

    const struct
    {
        int category;
        double h;
        double uz;
    } uz[] = {
        {0, 5, 1.17},   {0, 18.6, 1.63}, {0, 100, 2.40}, {1, 10, 1.00},  {1, 30, 1.42},   {1, 150, 2.38},
        {2, 3, 0.74},   {2, 18.6, 0.84}, {2, 60, 1.35},  {2, 90, 1.62},  {3, 25, 0.62},   {3, 50, 0.84},
        {3, 200, 1.92}, {0, 0, 1.17},    {3, 450, 3.12}, {0, 500, 3.12}, {3, 1000, 3.12}, // above the "450 and higher"
                                                                                          // row
    };
    for (const auto& c : uz) {
        EXPECT_EQ(db.heightFactor(c.h, c.category), c.uz) << c.category << " " << c.h;
    }
    EXPECT_EQ(db.heightFactor(20, 7), Tdm1::kNoRow);
}

TEST_F(ShippedData, ConcreteStrengthInterpolatesBetweenGrades)
{
    EXPECT_EQ(db.GetConcreteType(2), QStringLiteral("C25"));
    EXPECT_EQ(db.GetConcreteType(99), QStringLiteral("-1"));
    const struct
    {
        bool isFc;
        double grade;
        double value;
    } cases[] = {
        {true, 30, 14.3},     {false, 30, 1.43},
        {true, 80, 35.9},     {true, 27.5, 13.1}, // halfway between C25 11.9 and C30 14.3
        {false, 22.5, 1.185},                     // halfway between 1.10 and 1.27
        {true, 12.07, 5.794},                     // the first storey of the default slab: 7.2 - 2.93 / 5 x 2.4
        {true, 85, 35.9},                         // above every grade: C80's value
        {true, 5, -1},                            // below every grade
    };
    for (const auto& c : cases) {
        EXPECT_EQ(db.GetConcreteStrength(c.isFc, c.grade), c.value) << c.isFc << " " << c.grade;
    }
}

} // namespace
