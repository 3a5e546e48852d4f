#include "Tdm1.h"

#include "core/AppPaths.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/YsError.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <map>

namespace {

QAtomicInt g_connectionCounter;

QString dataError(const QSqlError& e)
{
    return QStringLiteral("读取参考数据出错：%1").arg(e.text());
}

double roundTo(double x, int decimals)
{
    if (x == Tdm1::kOutOfRange || x == Tdm1::kNoRow) {
        return x;
    }
    return textToReal(formatFixedDecimals(x, decimals)).value_or(x);
}

// A grade number from the characters 2 and 3 of a grade text ("C30" → 30).
std::optional<double> gradeNumber(const QString& type)
{
    return textToReal(type.mid(1, 2));
}

} // namespace

struct Tdm1::Impl
{
    QString path;
    QString connection;
    QString openError;
    QSqlDatabase db;
    // Prepared statements by text; the lookups run the same few statements again and again.
    struct Prepared
    {
        std::unique_ptr<QSqlQuery> query;
        qsizetype parameterCount = -1; // known after the first run
    };
    std::map<QString, Prepared> prepared;

    void ensureOpen() const
    {
        if (!openError.isEmpty()) {
            throw YsError(openError);
        }
    }

    Prepared& statement(const QString& sql)
    {
        ensureOpen();
        auto it = prepared.find(sql);
        if (it == prepared.end()) {
            // Callers hand in their own statements; keep the cache from growing without bound.
            if (prepared.size() >= 128) {
                prepared.clear();
            }
            auto q = std::make_unique<QSqlQuery>(db);
            q->setForwardOnly(true);
            if (!q->prepare(sql)) {
                throw YsError(dataError(q->lastError()));
            }
            it = prepared.emplace(sql, Prepared{std::move(q)}).first;
        }
        return it->second;
    }

    QSqlQuery& run(const QString& sql, const QVariantList& params)
    {
        Prepared& p = statement(sql);
        QSqlQuery& q = *p.query;
        // A prepared statement keeps the values of its last run, so a call with fewer values would silently reuse
        // them; the driver checks the count on the first run, later runs must pass as many.
        if (p.parameterCount >= 0 && params.size() != p.parameterCount) {
            throw YsError(QStringLiteral("读取参考数据出错：语句需要 %1 个参数，给出了 %2 个（%3）。")
                              .arg(p.parameterCount)
                              .arg(params.size())
                              .arg(sql));
        }
        for (qsizetype i = 0; i < params.size(); ++i) {
            q.bindValue(static_cast<int>(i), params[i]);
        }
        if (!q.exec()) {
            const QSqlError e = q.lastError();
            q.finish();
            throw YsError(dataError(e));
        }
        p.parameterCount = params.size();
        return q;
    }

    SqlRows rows(const QString& sql, const QVariantList& params)
    {
        QSqlQuery& q = run(sql, params);
        const QSqlRecord rec = q.record();
        QStringList columns;
        for (int c = 0; c < rec.count(); ++c) {
            columns << rec.fieldName(c);
        }
        std::vector<QVariantList> data;
        while (q.next()) {
            QVariantList row;
            row.reserve(rec.count());
            for (int c = 0; c < rec.count(); ++c) {
                row << q.value(c);
            }
            data.push_back(std::move(row));
        }
        const QSqlError e = q.lastError();
        q.finish();
        if (e.isValid()) {
            throw YsError(dataError(e));
        }
        return SqlRows(std::move(columns), std::move(data));
    }
};

Tdm1::Tdm1(const QString& path)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->path = path;
    m_impl->connection = QStringLiteral("yunshan-refdata-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1));
    const auto fail = [&](const QString& reason) {
        m_impl->openError = QStringLiteral("无法打开参考数据库“%1”：%2").arg(path, reason);
    };
    // The driver would create an empty database where the file is missing; the data folder stays untouched.
    if (!QFileInfo(path).isFile()) {
        fail(QStringLiteral("文件不存在。"));
        return;
    }
    m_impl->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_impl->connection);
    m_impl->db.setDatabaseName(path);
    if (!m_impl->db.open()) {
        fail(m_impl->db.lastError().text());
        return;
    }
    QSqlQuery probe(m_impl->db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master where type = 'table'")) || !probe.next()) {
        fail(probe.lastError().text());
    } else if (probe.value(0).toInt() == 0) {
        fail(QStringLiteral("文件中没有数据表。"));
    }
}

Tdm1::~Tdm1()
{
    m_impl->prepared.clear();
    if (m_impl->db.isValid()) {
        m_impl->db.close();
        m_impl->db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_impl->connection);
    }
}

bool Tdm1::isOpen() const
{
    return m_impl->openError.isEmpty();
}

const QString& Tdm1::openError() const
{
    return m_impl->openError;
}

const QString& Tdm1::path() const
{
    return m_impl->path;
}

QString Tdm1::connectionName() const
{
    return m_impl->connection;
}

SqlRows Tdm1::OpenSql(const QString& sql, const QVariantList& params)
{
    return m_impl->rows(sql, params);
}

double Tdm1::GetSqlValue(const QString& sql, const QVariantList& params)
{
    const SqlRows r = m_impl->rows(sql, params);
    if (r.isEmpty()) {
        return kNoRow;
    }
    return r.value(0, 0).toDouble();
}

SqlRows Tdm1::OpenQueryOrFail(const QString& sql, const QVariantList& params, const QString& message)
{
    try {
        return m_impl->rows(sql, params);
    } catch (const YsError&) {
        throw YsError(message);
    }
}

void Tdm1::ExecSql(const QString& sql, const QVariantList& params)
{
    m_impl->run(sql, params).finish();
}

void Tdm1::CheckValue(double& value)
{
    if (!(value > 0 && value < 1000)) {
        value = kOutOfRange;
    }
}

std::optional<Tdm1::Bracket> Tdm1::FindBracket(const QString& sql, const QVariantList& params, double x)
{
    const SqlRows r = m_impl->rows(sql, params);
    if (r.isEmpty()) {
        return std::nullopt;
    }
    double lower = r.value(0, 0).toDouble();
    for (int i = 0; i < r.count(); ++i) {
        const double v = r.value(i, 0).toDouble();
        if (x < v) {
            return Bracket{lower, v};
        }
        if (x == v) {
            return Bracket{v, v};
        }
        lower = v;
    }
    return Bracket{lower, lower};
}

double Tdm1::Interpolate2D(double x1, double x2, double a1, double a2, double b1, double b2, double V11, double V21,
                           double V12, double V22)
{
    // Weight of each grid line; on a collapsed axis both corners are the same point and both count.
    const double wa1 = a1 == a2 ? 1.0 : (x1 - a2) / (a1 - a2);
    const double wa2 = a1 == a2 ? 1.0 : (a1 - x1) / (a1 - a2);
    const double wb1 = b1 == b2 ? 1.0 : (x2 - b2) / (b1 - b2);
    const double wb2 = b1 == b2 ? 1.0 : (b1 - x2) / (b1 - b2);
    const auto weighs = [](double v, double w) { return v == kNoRow && w != 0.0; };
    if (weighs(V11, wa1 * wb1) || weighs(V21, wa2 * wb1) || weighs(V12, wa1 * wb2) || weighs(V22, wa2 * wb2)) {
        return kOutOfRange;
    }
    // A corner without weight takes no part, so a missing one cannot disturb the sum through rounding.
    const auto alongFirst = [&](double lo, double hi) {
        if (a1 == a2) {
            return std::max(lo, hi);
        }
        if (wa2 == 0.0) {
            return lo;
        }
        if (wa1 == 0.0) {
            return hi;
        }
        return hi + (x1 - a2) * (lo - hi) / (a1 - a2);
    };
    const double A = alongFirst(V11, V21);
    const double B = alongFirst(V12, V22);
    if (b1 == b2) {
        return std::max(A, B);
    }
    if (wb2 == 0.0) {
        return A;
    }
    if (wb1 == 0.0) {
        return B;
    }
    return B + (x2 - b2) * (A - B) / (b1 - b2);
}

double Tdm1::GetGk(int typeId, double h, double la, double d)
{
    h = std::clamp(h, 1.2, 2.0);
    const auto hb = FindBracket(QStringLiteral("select h from ValueOfgk order by h"), {}, h);
    const auto lb = FindBracket(QStringLiteral("select la from ValueOfgk order by la"), {}, la);
    if (!hb || !lb) {
        return kOutOfRange;
    }
    const auto corner = [&](double hh, double ll) {
        return GetSqlValue(QStringLiteral("select Value from ValueOfgk where typeid = ? and h = ? and la = ?"),
                           {typeId, hh, ll});
    };
    double v = Interpolate2D(h, la, hb->lower, hb->upper, lb->lower, lb->upper, corner(hb->lower, lb->lower),
                             corner(hb->upper, lb->lower), corner(hb->lower, lb->upper), corner(hb->upper, lb->upper));
    if (d == 51) {
        v *= 0.96; // the frame of Φ51 tubes
    }
    CheckValue(v);
    return roundTo(v, 4);
}

double Tdm1::GetPhi(double lambda)
{
    double v = lambda > 250
        ? 7320 / (lambda * lambda)
        : GetSqlValue(QStringLiteral("select Value from valueOfFyAboutFittings where x = ?"), {lambda});
    CheckValue(v);
    return roundTo(v, 3);
}

double Tdm1::GetMu(int lineCount, int wallLinkerLay, double lb)
{
    const auto b = FindBracket(QStringLiteral("select lb from CoefficientOfLengthComputedOfPole where linecount = ? "
                                              "and walllinkerlay = ? order by lb"),
                               {lineCount, wallLinkerLay}, lb);
    if (!b) {
        return kOutOfRange;
    }
    const auto value = [&](double at) {
        return GetSqlValue(QStringLiteral("select Value from CoefficientOfLengthComputedOfPole where linecount = ? "
                                          "and walllinkerlay = ? and lb = ?"),
                           {lineCount, wallLinkerLay, at});
    };
    double v = Interpolate2D(lb, 0, b->lower, b->upper, 0, 0, value(b->lower), value(b->upper), 0, 0);
    CheckValue(v);
    return roundTo(v, 3);
}

double Tdm1::GetK1(double h)
{
    const SqlRows r = OpenSql(QStringLiteral("select Value from k1 where h >= ? order by h limit 1"), {h});
    return r.isEmpty() ? kOutOfRange : r.number(0, QStringLiteral("Value"));
}

double Tdm1::GetK2(double h1, double hv)
{
    h1 = std::clamp(h1, 1.35, 2.7);
    hv = std::clamp(hv, 4.0, 40.0);
    const auto hb = FindBracket(QStringLiteral("select h from k2 order by h"), {}, h1);
    const auto vb = FindBracket(QStringLiteral("select Hv from k2 order by Hv"), {}, hv);
    if (!hb || !vb) {
        return kOutOfRange;
    }
    const auto corner = [&](double hh, double vv) {
        return GetSqlValue(QStringLiteral("select Value from k2 where h = ? and Hv = ?"), {hh, vv});
    };
    double v = Interpolate2D(h1, hv, hb->lower, hb->upper, vb->lower, vb->upper, corner(hb->lower, vb->lower),
                             corner(hb->upper, vb->lower), corner(hb->lower, vb->upper), corner(hb->upper, vb->upper));
    CheckValue(v);
    return roundTo(v, 3);
}

double Tdm1::GetFlinchCoefficient(double lx)
{
    // Ordered here rather than trusting the stored order, so a row appended in the tables editor cannot break
    // the bracket.
    const auto b = FindBracket(QStringLiteral("select lx from FlinchCoefficient order by lx"), {}, lx);
    if (!b) {
        return kOutOfRange;
    }
    const auto value
        = [&](double at) { return GetSqlValue(QStringLiteral("select mx from FlinchCoefficient where lx = ?"), {at}); };
    return roundTo(Interpolate2D(lx, 0, b->lower, b->upper, 0, 0, value(b->lower), value(b->upper), 0, 0), 4);
}

void Tdm1::GetPoleTrait(int typeId, TPoleTrait& pole)
{
    const SqlRows r = OpenSql(QStringLiteral("select * from TraitOfPole where typeid = ?"), {typeId});
    // A missing tube reads as zeros, which CheckValue turns into -1.
    pole.DeadWeightSTD = r.number(0, QStringLiteral("m")) * 10 * 1e-3; // kg/m to kN/m
    pole.d = r.number(0, QStringLiteral("d"));
    pole.t = r.number(0, QStringLiteral("t"));
    pole.W = r.number(0, QStringLiteral("w"));
    pole.I = r.number(0, QStringLiteral("i"));
    pole.iOfPole = r.number(0, QStringLiteral("iOfPole"));
    pole.A = r.number(0, QStringLiteral("A"));
    for (double* v : {&pole.DeadWeightSTD, &pole.d, &pole.t, &pole.W, &pole.I, &pole.iOfPole, &pole.A}) {
        CheckValue(*v);
    }
}

QString Tdm1::GetConcreteType(int typeId)
{
    const SqlRows r = OpenSql(QStringLiteral("select type from valueoffcm where typeid = ?"), {typeId});
    return r.isEmpty() ? QStringLiteral("-1") : r.text(0, QStringLiteral("type"));
}

double Tdm1::GetConcreteStrength(bool isFc, double grade)
{
    const SqlRows r = OpenSql(isFc ? QStringLiteral("select type, fc from valueoffcm order by type")
                                   : QStringLiteral("select type, ft from valueoffcm order by type"));
    std::optional<std::pair<double, double>> below; // the last stored grade under the requested one
    std::optional<std::pair<double, double>> above; // the first stored grade over it
    std::optional<std::pair<double, double>> highest;
    for (int i = 0; i < r.count(); ++i) {
        const std::optional<double> g = gradeNumber(r.text(i, QStringLiteral("type")));
        if (!g) {
            continue;
        }
        const double v = r.value(i, 1).toDouble();
        if (*g == grade) {
            return roundTo(v, 3);
        }
        if (*g < grade) {
            below = {*g, v};
        } else if (!above) {
            above = {*g, v};
        }
        if (!highest || *g > highest->first) {
            highest = {*g, v};
        }
    }
    if (below && above && above->first != below->first) {
        const auto [gL, vL] = *below;
        const auto [gH, vH] = *above;
        return roundTo(vH - (gH - grade) * (vH - vL) / (gH - gL), 3);
    }
    // Above every stored grade the strongest stored grade is a safe lower bound; below them nothing is known.
    if (below && !above) {
        return roundTo(highest->second, 3);
    }
    return kOutOfRange;
}

double Tdm1::heightFactor(double heightM, int category)
{
    const SqlRows r = OpenSql(QStringLiteral("select value from Uz where h >= ? and type = ? order by h limit 1"),
                              {heightM, category});
    if (!r.isEmpty()) {
        return r.value(0, 0).toDouble();
    }
    // The top row of the table stands for every height above it.
    return GetSqlValue(QStringLiteral("select value from Uz where type = ? order by h desc limit 1"), {category});
}

double Tdm1::basicWindPressure(const QString& city)
{
    return GetSqlValue(QStringLiteral("select Value from Wo where City = ?"), {city});
}

Tdm1::ListFill Tdm1::fillTubes(const QString& table)
{
    const SqlRows r = OpenSql(QStringLiteral("select * from %1 order by TypeId").arg(table));
    ListFill fill;
    int standard = -1;
    for (int i = 0; i < r.count(); ++i) {
        const double d = r.number(i, QStringLiteral("d"));
        const double t = r.number(i, QStringLiteral("t"));
        fill.items << QStringLiteral("Φ%1 × %2").arg(realToText(d), realToText(t));
        if (standard < 0 && d == 48 && t == 3.5) {
            standard = i;
        }
    }
    if (!fill.items.isEmpty()) {
        fill.index = std::max(standard, 0);
    }
    return fill;
}

Tdm1::ListFill Tdm1::FillPoleTypes()
{
    return fillTubes(QStringLiteral("TraitOfPole"));
}

Tdm1::ListFill Tdm1::FillDoorPoleTypes()
{
    return fillTubes(QStringLiteral("TraitOfPoleOfDoor"));
}

Tdm1::ListFill Tdm1::FillProvinces()
{
    const SqlRows r = OpenSql(QStringLiteral("select distinct Province from Wo order by Province"));
    ListFill fill;
    for (int i = 0; i < r.count(); ++i) {
        fill.items << r.value(i, 0).toString();
    }
    return fill;
}

Tdm1::CityFill Tdm1::FillCities(const QString& province)
{
    const SqlRows r = OpenSql(QStringLiteral("select City, Province from Wo where Province = ?"), {province});
    CityFill fill;
    for (int i = 0; i < r.count(); ++i) {
        fill.items << r.value(i, 0).toString();
    }
    if (!fill.items.isEmpty()) {
        fill.index = 0;
        fill.wo = basicWindPressure(fill.items.front());
    }
    return fill;
}

Tdm1::ListFill Tdm1::FillTypeCaptions(const QString& table)
{
    // A table name cannot be a bound parameter: it must name a table of the database, spelled as stored.
    const SqlRows t = OpenSql(
        QStringLiteral("select name from sqlite_master where type = 'table' and name = ? collate nocase"), {table});
    if (t.isEmpty()) {
        throw YsError(QStringLiteral("读取参考数据出错：没有数据表“%1”。").arg(table));
    }
    const QString name = t.value(0, 0).toString();
    const SqlRows r = OpenSql(QStringLiteral("select * from \"%1\" order by TypeId").arg(name));
    ListFill fill;
    for (int i = 0; i < r.count(); ++i) {
        fill.items << r.text(i, QStringLiteral("TypeCaption"));
    }
    if (!fill.items.isEmpty()) {
        fill.index = std::min(5, static_cast<int>(fill.items.size()) - 1);
    }
    return fill;
}

namespace {

std::unique_ptr<Tdm1> g_dm1;

} // namespace

Tdm1& dm1()
{
    if (!g_dm1) {
        g_dm1 = std::make_unique<Tdm1>(AppPaths::dataDir() + QStringLiteral("/db/db.sqlite"));
        // The connection must close while the application object and its database driver still exist.
        static const bool cleanupRegistered = [] {
            qAddPostRoutine(DataModuleFree);
            return true;
        }();
        Q_UNUSED(cleanupRegistered);
    }
    return *g_dm1;
}

bool DataModuleCreate()
{
    const bool created = !g_dm1;
    Tdm1& m = dm1();
    if (created && !m.isOpen()) {
        ShowWarning(m.openError());
    }
    return m.isOpen();
}

void DataModuleFree()
{
    g_dm1.reset();
}
