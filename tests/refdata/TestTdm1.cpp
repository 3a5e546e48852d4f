// The data module's mechanics on small hand-made databases: brackets, interpolation, sentinels, list fillers,
// bound parameters and a database that cannot be opened.
#include "TempHome.h"
#include "core/YsError.h"
#include "refdata/Tdm1.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Writes a database file from the statements; the connection is gone when it returns.
void makeDatabase(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& s : statements) {
            ASSERT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

// A few rows of each table, shaped to show what the shipped tables cannot: a gk grid with a missing corner, a tube
// table without the Φ48 × 3.5 tube, slab coefficients stored out of order, a city whose name holds a quote.
const QStringList kTinyTables = {
    "create table ValueOfgk (TypeId integer, Type text collate nocase, h real, La real, Value real)",
    // typeid 0: the full 2 x 2 grid; typeid 1 lacks the corner (h 1.5, la 1.8).
    "insert into ValueOfgk values (0, 'a', 1.2, 1.2, 0.16), (0, 'a', 1.2, 1.8, 0.19), (0, 'a', 1.5, 1.2, 0.14),"
    " (0, 'a', 1.5, 1.8, 0.17), (1, 'b', 1.2, 1.2, 0.12), (1, 'b', 1.2, 1.8, 0.12), (1, 'b', 1.5, 1.2, 0.12)",
    "create table TraitOfPole (TypeId integer primary key, d real, t real, A real, I real, W real,"
    " iOfPole real, M real)",
    "insert into TraitOfPole values (0, 51, 3.0, 4.52, 13.08, 5.13, 1.70, 3.55),"
    " (1, 48, 3.25, 4.57, 11.50, 4.79, 1.59, 3.59)",
    "create table TraitOfPoleOfDoor (TypeId integer primary key, d real, t real, A real, i real, iOfpole real,"
    " m real)",
    "insert into TraitOfPoleOfDoor values (0, 42, 2.5, 3.10, 6.08, 1.40, 2.44), (1, 48.0, 3.50, 4.89, 12.19, 1.58,"
    " 3.84)",
    "create table FlinchCoefficient (lx real, mx real)",
    "insert into FlinchCoefficient values (1.0, 0.0176), (0.5, 0.0400), (0.75, 0.0296)",
    "create table valueoffcm (TypeId integer primary key, Type text collate nocase, fc real, ft real)",
    "insert into valueoffcm values (0, 'C20', 9.6, 1.10)",
    "create table Wo (Province text collate nocase, City text collate nocase, Value real)",
    "insert into Wo values ('甲省', '乙''城', 0.35), ('甲省', '丙城', 0.40)",
    "create table SlotSteelParaOfHoriGirder (TypeId integer primary key, TypeCaption text collate nocase)",
    "insert into SlotSteelParaOfHoriGirder values (0, '5   号槽钢'), (1, '6.3 号槽钢'), (2, '8   号槽钢')",
    "create table OtherSteelParaOfHoriGirder (TypeId integer primary key, TypeCaption text collate nocase)",
    "create table skin (SkinItem integer)",
    "insert into skin values (0)",
};

class TinyDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        makeDatabase(path(), kTinyTables);
        db = std::make_unique<Tdm1>(path());
        ASSERT_TRUE(db->isOpen()) << db->openError().toStdString();
    }
    QString path() const { return dir.filePath(QStringLiteral("db.sqlite")); }

    QTemporaryDir dir;
    std::unique_ptr<Tdm1> db;
};

TEST(Tdm1, CheckValueKeepsOnlyValuesStrictlyBetweenZeroAndOneThousand)
{
    const struct
    {
        double in;
        double out;
    } cases[] = {{0, -1},  {0.001, 0.001}, {999.9, 999.9}, {1000, -1},
                 {-3, -1}, {-1, -1},       {1e9, -1},      {std::numeric_limits<double>::quiet_NaN(), -1}};
    for (const auto& c : cases) {
        double v = c.in;
        Tdm1::CheckValue(v);
        EXPECT_EQ(v, c.out) << "in " << c.in;
    }
}

TEST(Tdm1, Interpolate2DIsBilinearAndTakesTheLargerValueOnACollapsedAxis)
{
    // Corners 1 (a1, b1), 2 (a2, b1), 3 (a1, b2), 4 (a2, b2) on [0, 1] x [0, 2]; at (0.25, 0.5):
    // A = 1 + 0.25 * 1 = 1.25, B = 3 + 0.25 * 1 = 3.25, result = 1.25 + 0.25 * 2 = 1.75.
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(0.25, 0.5, 0, 1, 0, 2, 1, 2, 3, 4), 1.75);
    // a1 = a2: the larger of each pair, then interpolated along b: A = 2, B = 4, at b = 0.5 of [0, 2] → 2.5.
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(5, 0.5, 5, 5, 0, 2, 1, 2, 3, 4), 2.5);
    // Both collapsed: the largest corner of the first pairs.
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(5, 7, 5, 5, 7, 7, 1, 2, 3, 4), 4);
    // The one-dimensional form: linear along the first axis, 0 when the line falls below zero.
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(1.5, 0, 1, 2, 0, 0, 10, 20, 0, 0), 15);
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(1.5, 0, 1, 2, 0, 0, -10, -20, 0, 0), 0);
}

TEST(Tdm1, AMissingCornerCountsOnlyWhereItCarriesWeight)
{
    const double m = Tdm1::kNoRow;
    // At the corner itself the missing neighbours carry no weight: the stored value comes back exactly.
    EXPECT_EQ(Tdm1::Interpolate2D(1.2, 1.2, 1.2, 1.5, 1.2, 1.8, 0.12, m, m, m), 0.12);
    EXPECT_EQ(Tdm1::Interpolate2D(1.5, 1.8, 1.2, 1.5, 1.2, 1.8, m, m, m, 0.17), 0.17);
    // On a grid line between two stored values the two missing corners of the other line carry no weight.
    EXPECT_DOUBLE_EQ(Tdm1::Interpolate2D(1.35, 1.2, 1.2, 1.5, 1.2, 1.8, 0.10, 0.20, m, m), 0.15);
    // A weight of 0.01 on a missing corner: plain arithmetic gives 0.99 x 0.12 + 0.01 x (-3) = 0.0888, inside
    // (0, 1000) and plausible for a gk. It is refused instead.
    EXPECT_EQ(Tdm1::Interpolate2D(1.2 + 0.003, 1.2, 1.2, 1.5, 1.2, 1.8, 0.12, m, 0.12, 0.12), Tdm1::kOutOfRange);
    EXPECT_EQ(Tdm1::Interpolate2D(1.203, 1.206, 1.2, 1.5, 1.2, 1.8, 0.12, 0.12, 0.12, m), Tdm1::kOutOfRange);
    // A missing value in the one-dimensional form is refused too, not turned into 0.
    EXPECT_EQ(Tdm1::Interpolate2D(1.5, 0, 1, 2, 0, 0, m, 20, 0, 0), Tdm1::kOutOfRange);
}

TEST_F(TinyDatabase, FindBracketWalksTheGridAsStored)
{
    const QString sql = QStringLiteral("select h from ValueOfgk where typeid = 0 order by h");
    const struct
    {
        double x;
        double lower;
        double upper;
    } cases[] = {
        {1.0, 1.2, 1.2}, // below the grid
        {1.2, 1.2, 1.2}, // on a grid value (stored twice)
        {1.3, 1.2, 1.5}, // between
        {1.5, 1.5, 1.5}, // on the last value
        {2.0, 1.5, 1.5}, // above the grid
    };
    for (const auto& c : cases) {
        const auto b = db->FindBracket(sql, {}, c.x);
        ASSERT_TRUE(b) << c.x;
        EXPECT_EQ(b->lower, c.lower) << c.x;
        EXPECT_EQ(b->upper, c.upper) << c.x;
    }
    EXPECT_FALSE(db->FindBracket(QStringLiteral("select h from ValueOfgk where typeid = 7"), {}, 1.3));
}

TEST_F(TinyDatabase, GkWithAMissingCornerIsRefusedWhereTheCornerWeighs)
{
    EXPECT_EQ(db->GetGk(0, 1.35, 1.5, 48), 0.165); // (0.16 + 0.19 + 0.14 + 0.17) / 4
    // typeid 1 stores 0.12 at three corners and nothing at (1.5, 1.8).
    EXPECT_EQ(db->GetGk(1, 1.2, 1.8, 48), 0.12);
    EXPECT_EQ(db->GetGk(1, 1.5, 1.2, 48), 0.12);
    EXPECT_EQ(db->GetGk(1, 1.21, 1.2, 48), 0.12); // the missing corner's line has no weight at la = 1.2
    EXPECT_EQ(db->GetGk(1, 1.21, 1.21, 48), Tdm1::kOutOfRange);
    EXPECT_EQ(db->GetGk(1, 1.5, 1.8, 48), Tdm1::kOutOfRange);
    EXPECT_EQ(db->GetGk(5, 1.2, 1.2, 48), Tdm1::kOutOfRange); // no such kind of frame
}

TEST_F(TinyDatabase, SlabCoefficientBracketsByValueNotByStoredOrder)
{
    // Stored as 1.0, 0.5, 0.75: between 0.5 and 0.75 at 0.625 the mean of 0.0400 and 0.0296.
    EXPECT_EQ(db->GetFlinchCoefficient(0.625), 0.0348);
    EXPECT_EQ(db->GetFlinchCoefficient(0.8), 0.0296 + (0.8 - 0.75) * (0.0176 - 0.0296) / 0.25);
    EXPECT_EQ(db->GetFlinchCoefficient(0.3), 0.04);
}

TEST_F(TinyDatabase, TubeListsSelectTheStandardTubeByItsNumbers)
{
    const Tdm1::ListFill fill = db->FillPoleTypes();
    EXPECT_EQ(fill.items, QStringList({QStringLiteral("Φ51 × 3"), QStringLiteral("Φ48 × 3.25")}));
    EXPECT_EQ(fill.index, 0); // no Φ48 × 3.5 tube: the first item
    // Stored as 48.0 and 3.50, the standard tube is still found, whatever text the numbers take.
    const Tdm1::ListFill door = db->FillDoorPoleTypes();
    EXPECT_EQ(door.items, QStringList({QStringLiteral("Φ42 × 2.5"), QStringLiteral("Φ48 × 3.5")}));
    EXPECT_EQ(door.index, 1);
}

TEST_F(TinyDatabase, ThreeCaptionsSelectTheLastAndOnlyExistingTablesAreRead)
{
    const Tdm1::ListFill fill = db->FillTypeCaptions(QStringLiteral("slotsteelparaofhorigirder"));
    ASSERT_EQ(fill.items.size(), 3);
    EXPECT_EQ(fill.items[0], QStringLiteral("5   号槽钢"));
    EXPECT_EQ(fill.index, 2);
    EXPECT_EQ(db->FillTypeCaptions(QStringLiteral("OtherSteelParaOfHoriGirder")).index, -1); // empty: nothing
    EXPECT_THROW(db->FillTypeCaptions(QStringLiteral("NoSuchTable")), YsError);
    EXPECT_THROW(db->FillTypeCaptions(QStringLiteral("skin; drop table skin")), YsError);
    EXPECT_EQ(db->GetSqlValue(QStringLiteral("select count(*) from skin")), 1);
}

TEST_F(TinyDatabase, TextsTravelAsValuesAndCannotChangeAStatement)
{
    EXPECT_EQ(db->basicWindPressure(QStringLiteral("乙'城")), 0.35);
    EXPECT_EQ(db->basicWindPressure(QStringLiteral("x' or '1'='1")), Tdm1::kNoRow);
    EXPECT_TRUE(db->FillCities(QStringLiteral("甲省' or '1'='1")).items.isEmpty());
    db->ExecSql(QStringLiteral("update skin set SkinItem = ?"), {QStringLiteral("3; delete from Wo")});
    EXPECT_EQ(db->OpenSql(QStringLiteral("select SkinItem from skin")).text(0, QStringLiteral("skinitem")),
              QStringLiteral("3; delete from Wo"));
    EXPECT_EQ(db->GetSqlValue(QStringLiteral("select count(*) from Wo")), 2);
}

TEST_F(TinyDatabase, CitiesOfAProvinceComeInTableOrderWithTheFirstCitysPressure)
{
    const Tdm1::CityFill fill = db->FillCities(QStringLiteral("甲省"));
    EXPECT_EQ(fill.items, QStringList({QStringLiteral("乙'城"), QStringLiteral("丙城")}));
    EXPECT_EQ(fill.index, 0);
    EXPECT_EQ(fill.wo, 0.35);
    const Tdm1::CityFill none = db->FillCities(QStringLiteral("丁省"));
    EXPECT_EQ(none.index, -1);
    EXPECT_FALSE(none.wo); // not the empty-result sentinel written into the pressure edit
}

TEST_F(TinyDatabase, ConcreteOfASingleGradeAnswersOnlyAtOrAboveIt)
{
    EXPECT_EQ(db->GetConcreteStrength(true, 20), 9.6);
    EXPECT_EQ(db->GetConcreteStrength(false, 25), 1.1); // above every grade: the strongest stored grade
    EXPECT_EQ(db->GetConcreteStrength(true, 15), Tdm1::kOutOfRange);
    EXPECT_EQ(db->GetConcreteType(0), QStringLiteral("C20"));
    EXPECT_EQ(db->GetConcreteType(1), QStringLiteral("-1"));
}

TEST_F(TinyDatabase, EmptyResultsGiveSentinelsAndRejectedStatementsThrow)
{
    EXPECT_EQ(db->GetSqlValue(QStringLiteral("select Value from Wo where City = ?"), {QStringLiteral("无")}),
              Tdm1::kNoRow);
    TPoleTrait pole;
    db->GetPoleTrait(9, pole);
    for (double v : {pole.d, pole.t, pole.A, pole.I, pole.W, pole.iOfPole, pole.DeadWeightSTD}) {
        EXPECT_EQ(v, Tdm1::kOutOfRange);
    }
    try {
        db->OpenSql(QStringLiteral("select Value from NoSuchTable"));
        ADD_FAILURE() << "no error";
    } catch (const YsError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("NoSuchTable"))) << e.text().toStdString();
    }
    const QString message = QStringLiteral("从表中读取 每步架高内的单个配件重量 出现错误。");
    try {
        db->OpenQueryOrFail(QStringLiteral("select Value From UnitWeightOfFittingsOfdoor"), {}, message);
        ADD_FAILURE() << "no error";
    } catch (const YsError& e) {
        EXPECT_EQ(e.text(), message);
    }
    EXPECT_THROW(db->GetK1(1.0), YsError); // this database has no k1 table
    // A placeholder without a value, on a statement's first run and on a later one that would reuse the last value.
    EXPECT_THROW(db->GetSqlValue(QStringLiteral("select Value from Wo where Province = ?")), YsError);
    EXPECT_THROW(db->GetSqlValue(QStringLiteral("select Value from Wo where City = ?")), YsError);
}

TEST(Tdm1Open, AMissingOrForeignFileLeavesTheModuleClosedAndEveryLookupThrowsWhy)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("db.sqlite"));
    const QString foreign = dir.filePath(QStringLiteral("foreign.sqlite"));
    const QString empty = dir.filePath(QStringLiteral("empty.sqlite"));
    writeFile(foreign, QByteArray("yss00.0000.0005 this is a project file, not a database").repeated(20));
    writeFile(empty, QByteArray());
    for (const QString& path : {missing, foreign, empty}) {
        Tdm1 db(path);
        EXPECT_FALSE(db.isOpen()) << path.toStdString();
        EXPECT_TRUE(db.openError().contains(path)) << db.openError().toStdString();
        try {
            db.GetPhi(100);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const YsError& e) {
            EXPECT_EQ(e.text(), db.openError());
        }
        EXPECT_THROW(db.FillProvinces(), YsError);
    }
    EXPECT_FALSE(QFile::exists(missing)); // opening did not create an empty database in the data folder
}

TEST(Tdm1Open, StartUpReportsAMissingDatabaseOnceAndRunsOn)
{
    TempHome home;
    QTemporaryDir data;
    const QByteArray previous = qgetenv("YUNSHAN_DATA");
    qputenv("YUNSHAN_DATA", data.path().toLocal8Bit());
    DataModuleFree();
    EXPECT_FALSE(DataModuleCreate());
    EXPECT_FALSE(DataModuleCreate());
    ASSERT_EQ(home.messages().shown().size(), 1u);
    EXPECT_EQ(home.messages().shown()[0].kind, ScriptedMessages::Shown::Kind::Warning);
    EXPECT_TRUE(home.messages().shown()[0].text.contains(QStringLiteral("db/db.sqlite")));
    EXPECT_THROW(dm1().GetGk(1, 1.8, 1.5, 48), YsError);
    DataModuleFree();
    if (previous.isEmpty()) {
        qunsetenv("YUNSHAN_DATA");
    } else {
        qputenv("YUNSHAN_DATA", previous);
    }
}

} // namespace
