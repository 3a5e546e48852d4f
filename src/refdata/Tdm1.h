#pragma once

#include "refdata/SqlRows.h"
#include "refdata/TPoleTrait.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

// The reference data module: the one connection to the code tables (db/db.sqlite) and every lookup of them.
// Statements take their values as bound parameters, "?" in the text in order, so no value can change a statement.
// Lookups mark a missing value by a sentinel, never by an error: kNoRow for a select without a row, kOutOfRange for
// a coefficient that is missing or outside (0, 1000). A statement the database rejects throws YsError; so does every
// statement while the module is closed, with the reason it could not be opened.
class Tdm1
{
public:
    // An empty result of GetSqlValue; a missing corner of an interpolation.
    static constexpr double kNoRow = -3;
    // A value CheckValue refused, and every coefficient lookup's answer when the table holds no value.
    static constexpr double kOutOfRange = -1;

    // The two grid values around a number: equal when it lies on the grid or beyond one end.
    struct Bracket
    {
        double lower = 0;
        double upper = 0;
    };

    // The items of a list and the index to select (-1: none, the list is empty or the caller chooses).
    struct ListFill
    {
        QStringList items;
        int index = -1;
    };

    // The cities of a province, the first one selected, and its basic wind pressure (kN/m2).
    struct CityFill
    {
        QStringList items;
        int index = -1;
        std::optional<double> wo; // none when the province has no city
    };

    // Opens the database file at `path`. A missing or unreadable file leaves the module closed: openError() holds
    // the data layer's message and every statement throws it.
    explicit Tdm1(const QString& path);
    ~Tdm1();
    Tdm1(const Tdm1&) = delete;
    Tdm1& operator=(const Tdm1&) = delete;

    bool isOpen() const;
    const QString& openError() const;
    const QString& path() const;
    // The Qt Sql connection's name, for the tables editor's model.
    QString connectionName() const;

    // The rows of a select.
    SqlRows OpenSql(const QString& sql, const QVariantList& params = {});
    // The first column of the first row as a number; kNoRow when there is no row.
    double GetSqlValue(const QString& sql, const QVariantList& params = {});
    // OpenSql, but any failure throws YsError carrying `message` instead of the data layer's text.
    SqlRows OpenQueryOrFail(const QString& sql, const QVariantList& params, const QString& message);
    // A statement that returns no rows (update, insert, delete).
    void ExecSql(const QString& sql, const QVariantList& params = {});

    // Replaces a value that is not strictly between 0 and 1000 by kOutOfRange.
    static void CheckValue(double& value);
    // Walks the first column of a select (ascending) and brackets x: below the grid gives (first, first), above it
    // (last, last), on a grid value that value twice. None when the select has no row.
    std::optional<Bracket> FindBracket(const QString& sql, const QVariantList& params, double x);
    // Bilinear interpolation: x1 in [a1, a2] on the first axis, x2 in [b1, b2] on the second; V11 at (a1, b1),
    // V21 at (a2, b1), V12 at (a1, b2), V22 at (a2, b2). On a collapsed axis (a1 = a2) the larger value is taken.
    // With b1 = b2 = 0 and V12 = V22 = 0 it is the linear interpolation along the first axis, 0 when negative.
    // A missing corner (kNoRow) that carries weight makes the result kOutOfRange.
    static double Interpolate2D(double x1, double x2, double a1, double a2, double b1, double b2, double V11,
                                double V21, double V12, double V22);

    // Dead load of the frame per metre of standing tube gk (kN/m) for rows of poles `typeId` (0 single, 1 double),
    // step h (m, held to 1.2 .. 2.0) and spacing la (m); Φ51 tubes (d = 51 mm) carry 0.96 of it. 4 decimals.
    double GetGk(int typeId, double h, double la, double d);
    // Stability coefficient φ for a whole-number slenderness; 7320/λ² above 250. 3 decimals.
    double GetPhi(double lambda);
    // Effective-length factor μ by rows of poles, wall-tie layout and transverse spacing lb (m). 3 decimals.
    double GetMu(int lineCount, int wallLinkerLay, double lb);
    // k1 of the first step band reaching h (m); kOutOfRange above every band.
    double GetK1(double h);
    // k2 for h1 = h + 2a (m, held to 1.35 .. 2.7) and frame height hv (m, held to 4 .. 40). 3 decimals.
    double GetK2(double h1, double hv);
    // Mid-span moment coefficient of a slab fixed on four edges for the span ratio lx. 4 decimals.
    double GetFlinchCoefficient(double lx);
    // Section of tube `typeId` into `pole`; every value CheckValue'd, so a missing tube reads -1 throughout.
    void GetPoleTrait(int typeId, TPoleTrait& pole);
    // Grade text of concrete `typeId` ("C30"), "-1" when there is no such row.
    QString GetConcreteType(int typeId);
    // fc (isFc) or ft (N/mm²) of a concrete grade number, interpolated between the stored grades. A grade above
    // every stored one gets the highest grade's value; one below every stored grade gets kOutOfRange. 3 decimals.
    double GetConcreteStrength(bool isFc, double grade);

    // Height factor μz of the wind pressure at a height (m) for a terrain category (0 A .. 3 D): the first row at
    // or above the height, the top row above the table. kNoRow when the category has no row.
    double heightFactor(double heightM, int category);
    // Basic wind pressure w0 (kN/m²) of a city; kNoRow when the city is not in the table.
    double basicWindPressure(const QString& city);

    // "Φ48 × 3.5" per tube in TypeId order; the Φ48 × 3.5 tube selected (the first item when there is none).
    ListFill FillPoleTypes();
    // The same for the tubes of door frames.
    ListFill FillDoorPoleTypes();
    // The provinces of the wind table, sorted; nothing selected.
    ListFill FillProvinces();
    // The cities of a province in table order; the first selected, with its w0.
    CityFill FillCities(const QString& province);
    // TypeCaption of every row of a steel-section table in TypeId order; the sixth item selected, or the last of
    // a shorter list. The table must exist.
    ListFill FillTypeCaptions(const QString& table);

private:
    struct Impl;
    ListFill fillTubes(const QString& table);
    std::unique_ptr<Impl> m_impl;
};

// The program's one data module, opened at start-up from AppPaths::dataDir() + "/db/db.sqlite", or on first use.
Tdm1& dm1();
// Opens dm1 once at start-up. A database that cannot be opened is reported through ShowWarning with the data
// layer's message and the program runs on; the result says whether the module is open.
bool DataModuleCreate();
// Closes dm1; the next dm1() opens it again (tests that point $YUNSHAN_DATA elsewhere).
void DataModuleFree();
