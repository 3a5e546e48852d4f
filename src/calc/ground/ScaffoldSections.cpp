#include "ScaffoldSections.h"

#include "core/NumberText.h"
#include "core/YsError.h"
#include "refdata/Tdm1.h"
#include "report/CalculationObject.h"
#include "report/ReportDocument.h"
#include "report/Sketches.h"

#include <algorithm>
#include <cmath>

namespace ScaffoldSections {

namespace {

const QString kGeneralAdvice = QStringLiteral("建议减少脚手架\"纵距\"或\"横距\"，或控制施工荷载。\r\n");

void picture(ScaffoldContext& c, const char* name)
{
    c.r.AddPicture(c.obj.PicPath + QString::fromUtf8(name), 4);
}

// A raw line's text: the pieces with their number forms, no indent and no markup.
template<class... Pieces> QString raw(const Pieces&... pieces)
{
    return ReportText(pieces...).text();
}

// The load sketch of a horizontal bar.
void barSketch(ScaffoldContext& c, int n, bool threeSpan, double span, int originX, int originY)
{
    PasteBarSketch(c.r, n, threeSpan, span, originX, originY);
}

// What every horizontal-bar writer starts from: tube dead weight g (kN/m), board dead weight b (kN/m²),
// construction load Qk (kN/m²), the spacings la and lb (m) and the number n of lapped bars.
struct BarInputs
{
    double g, b, Qk, La, Lb;
    int n;
};

BarInputs barInputs(const ScaffoldContext& c)
{
    return {c.work.pole.DeadWeightSTD, c.stat.ScaffoldBoardDeadWeight, c.live.ConstructSTDValue, c.ex.La, c.ex.Lb,
            c.ex.HPoleAgraffePoleCount};
}

int rounded(double x)
{
    return static_cast<int>(roundHalfEven(x));
}

// A reference value the tables did not give (a sentinel, or nothing usable).
bool missing(double v)
{
    return !(v > 0) || !std::isfinite(v);
}

// The verdict of a check whose inputs include reference values: a missing one never lets it pass.
bool verdict(ScaffoldContext& c, bool ok, bool inputsFound, const CalculationObject::Verdict& v)
{
    if (!inputsFound) {
        const ReportText line(QStringLiteral("验算所需的参考数据缺失，无法判定，按不满足要求处理！\r\n"));
        c.r.AddText(line, 5, v.indent);
        c.obj.AddConclusion(ReportText(v.conclusion ? *v.conclusion : ReportText(v.fail)),
                            ReportText(QStringLiteral("参考数据缺失，请检查参考数据表。")));
        return false;
    }
    return c.obj.Check(c.r, ok, v);
}

bool barInputsFound(const PoleRecord& p)
{
    return !missing(p.E) && !missing(p.f) && !missing(p.W) && !missing(p.I) && !missing(p.DeadWeightSTD);
}

// The layout the effective-length table is looked up with: two steps two spans counts as two steps three spans.
int muLayout(int lay)
{
    return lay == 2 ? 0 : lay;
}

// n = 2 or 3 bars between two standing tubes are the only arrangements the formulas cover.
bool barCountValid(ScaffoldContext& c)
{
    const int n = c.ex.HPoleAgraffePoleCount;
    if (n == 2 || n == 3) {
        return true;
    }
    const ReportText line(QStringLiteral("搭接的横杆根数为 "), Int{n}, QStringLiteral("，只能取2或3，无法计算！\r\n"));
    c.r.AddText(line, 5, 2);
    c.obj.AddConclusion(
        ReportText(QStringLiteral("搭接的横杆根数为 "), Int{n}, QStringLiteral("，只能取2或3，无法计算！")),
        ReportText(QStringLiteral("请输入2或3。")));
    return false;
}

} // namespace

QStringList GetParamsFromTable(ScaffoldContext& c)
{
    ScaffoldWork& w = c.work;
    Tdm1& dm = dm1();
    w.fastener.Rc1
        = dm.GetSqlValue(QStringLiteral("select Value from SupportForceOfFastenerAndBase where typeid = ?"), {1});
    TPoleTrait& tube = w.pole;
    dm.GetPoleTrait(c.ex.TubeType, tube);
    w.pole.E = dm.GetSqlValue(QStringLiteral("select Value from IntensionAndFlexibilityOfSteel where Name = ?"),
                              {QStringLiteral("E")});
    w.pole.gk = dm.GetGk(c.ex.LineCount, c.ex.h, c.ex.La, w.pole.d);
    w.pole.f = dm.GetSqlValue(QStringLiteral("select Value from IntensionAndFlexibilityOfSteel where Name = ?"),
                              {QStringLiteral("f")});
    w.pole.mu = dm.GetMu(c.ex.LineCount, muLayout(c.ex.WalllinkerLay), c.ex.Lb);
    if (c.wind.Wo == -1) {
        c.wind.Wo = dm.basicWindPressure(c.wind.District);
    }
    w.tie.N0 = c.ex.LineCount == 0 ? 3 : 5;
    w.tie.lambda = rounded(1e3 * c.ex.HPoleOuterLen / (10 * w.pole.iOfPole));
    w.tie.phi = dm.GetSqlValue(QStringLiteral("select Value from ValueOffyAboutFittings where x = ?"), {w.tie.lambda});

    QStringList lacking;
    auto need = [&](double v, const QString& name) {
        if (missing(v)) {
            lacking << name;
        }
    };
    need(w.fastener.Rc1, QStringLiteral("扣件抗滑承载力R$c$"));
    need(w.pole.A, QStringLiteral("钢管截面特性"));
    need(w.pole.E, QStringLiteral("弹性模量E"));
    need(w.pole.f, QStringLiteral("强度设计值f"));
    need(w.pole.gk, QStringLiteral("结构自重标准值g$k$"));
    need(w.pole.mu, QStringLiteral("计算长度系数μ"));
    need(w.tie.phi, QStringLiteral("连墙件稳定系数φ"));
    if (c.windLoadValid) {
        need(c.wind.Wo, QStringLiteral("基本风压W$o$"));
    }
    return lacking;
}

void WriteParameters(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    const TScaffoldExPara& ex = c.ex;
    const QString fasteners[] = {QStringLiteral("单扣件"), QStringLiteral("双扣件")};
    r.AddText(QStringLiteral("1.脚手架参数"), 4, 2);
    r.line(2, "搭设尺寸为：立杆的纵距为 ", Dec{ex.La, 2}, "米，立杆的横距为", Dec{ex.Lb, 2}, "米，立杆的步距为",
           Dec{ex.h, 2}, " 米；");
    r.line(2, ex.LineCount == 0 ? "计算的脚手架为单排脚手架" : "计算的脚手架为双排脚手架", "搭设高度为 ",
           Dec{ex.high, 1}, " 米，立杆采用单立管；");
    r.AddFormat(QStringLiteral("内排架距离墙长度为%0.2f米；"), 3, 2, {ex.HPoleOuterLen});
    r.text(3, 2,
           ex.HPoleAgraffeLay == 0 ? "小横杆在上，搭接在大横杆上的小横杆根数为 "
                                   : "大横杆在上，搭接在小横杆上的大横杆根数为 ",
           Int{ex.HPoleAgraffePoleCount}, "；");
    r.line(2, "采用的钢管类型为 Φ", Dec{c.work.pole.d, 0}, "×", Short{c.work.pole.t}, "； ");
    r.AddFormat(QStringLiteral("横杆与立杆连接方式为%s；扣件抗滑承载力系数为 %0.2f；"), 3, 2,
                {fasteners[ex.fastenerType == 1 ? 1 : 0], ex.fasternerCoefficient});
    QString layout;
    switch (ex.WalllinkerLay) {
    case 0:
        layout = raw("连墙件采用两步三跨，竖向间距 ", Dec{2 * ex.h, 2}, " 米，水平间距", Dec{3 * ex.La, 2}, " 米，");
        break;
    case 1:
        layout = raw("连墙件采用三步三跨，竖向间距 ", Dec{3 * ex.h, 2}, " 米，水平间距", Dec{3 * ex.La, 2}, " 米，");
        break;
    case 2:
        layout = raw("连墙件采用两步两跨，竖向间距 ", Dec{2 * ex.h, 2}, " 米，水平间距", Dec{2 * ex.La, 2}, " 米，");
        break;
    default:
        layout = QStringLiteral("连墙件设置出错！");
    }
    const QString connections[] = {QStringLiteral("扣件连接；"), QStringLiteral("焊缝连接；"),
                                   QStringLiteral("螺栓连接；"), QStringLiteral("膨胀螺栓连接；")};
    const QString connection = ex.WalllinkerAgraffeType < 4 ? connections[ex.WalllinkerAgraffeType] : QString();
    r.AddFormat(QStringLiteral("%s采用%s"), 3, 2, {layout, connection});
    if (ex.WalllinkerLay > 2 || ex.WalllinkerAgraffeType > 3) {
        const ReportText wrong(QStringLiteral("连墙件的布置或连接方式设置有误，无法计算连墙件！\r\n"));
        r.AddText(wrong, 5, 2);
        c.obj.AddConclusion(ReportText(QStringLiteral("连墙件的布置或连接方式设置有误，无法计算连墙件！")),
                            ReportText(QStringLiteral("请重新选择连墙件的布置和连接方式。")));
    }
    if (ex.WalllinkerAgraffeType == 0) {
        r.AddFormat(QStringLiteral("连墙件连接方式为%s；"), 3, 2, {fasteners[ex.WallLinkerType == 1 ? 1 : 0]});
    }
    r.AddBlankLine();

    r.AddText(QStringLiteral("2.活荷载参数"), 4, 2);
    const QStringList purposes = TLiveLoad::purposeNames();
    const QString purpose = c.live.Purpose == 0 ? purposes[0] : (c.live.Purpose == 1 ? purposes[1] : purposes[2]);
    r.AddFormat(QStringLiteral("施工荷载均布参数(kN/m#2#):%0.3f；脚手架用途:%s；"), 3, 2,
                {c.live.ConstructSTDValue, purpose});
    r.AddFormat(QStringLiteral("同时施工层数:%d；"), 3, 2, {c.other.ConstructFloor});
    r.AddBlankLine();

    r.AddText(QStringLiteral("3.风荷载参数"), 4, 2);
    // The province of the chosen city; for a city the table does not hold, the stored position in the list.
    QString province;
    const SqlRows ofCity = dm1().OpenSql(QStringLiteral("select Province from Wo where City = ?"), {c.wind.District});
    if (!ofCity.isEmpty()) {
        province = ofCity.text(0, QStringLiteral("Province"));
    } else {
        const SqlRows provinces = dm1().OpenSql(QStringLiteral("select distinct Province from Wo order by Province"));
        const int row = c.wind.Province < 0 ? 0 : c.wind.Province;
        province = provinces.value(row, 0).toString();
    }
    r.AddFormat(
        QStringLiteral("%s省%s地区，基本风压为%0.2f，风荷载高度变化系数μ$z$为%0.2f，风荷载体型系数μ$s$为%0.2f；"), 3, 2,
        {province, c.wind.District, c.wind.Wo, c.wind.Uz, c.wind.Us});
    r.AddFormat(QStringLiteral("%s"), 3, 2,
                {c.windLoadValid ? QStringLiteral("考虑风荷载") : QStringLiteral("不考虑风荷载")});
    r.AddBlankLine();

    r.AddText(QStringLiteral("4.静荷载参数"), 4, 2);
    r.AddFormat(QStringLiteral("每米立杆数承受的结构自重标准(kN/m):%0.4f；"), 3, 2, {c.stat.DeadWeightPoleSTD});
    r.AddFormat(QStringLiteral("脚手板自重标准值(kN/m#2# ):%0.3f；栏杆挡脚板自重标准值(kN/m):%0.3f；"), 3, 2,
                {c.stat.ScaffoldBoardDeadWeight, c.stat.BalusterDeadWeight});
    r.AddFormat(QStringLiteral("安全设施与安全网(kN/m#2# ):%0.3f；脚手板铺设层数:%d；"), 3, 2,
                {c.stat.SafeWareDeadWeight, c.stat.ScaffoldBoardLayer});
    const QStringList boards = TStaticLoad::scaffoldBoardTypeNames();
    const QStringList rails = TStaticLoad::balusterTypeNames();
    r.AddFormat(QStringLiteral("脚手板类别:%s；栏杆挡板类别:%s；"), 3, 2,
                {boards.value(c.stat.ScaffoldBoardType), rails.value(c.stat.BalusterType)});
    r.AddBlankLine();

    if (c.ground) {
        r.AddText(QStringLiteral("5.地基参数"), 4, 2);
        r.AddFormat(QStringLiteral("地基土类型:%s；地基承载力标准值(kN/m#2#):%0.2f；"), 3, 2,
                    {TGroundWorkPara::groundTypeNames().value(c.ground->GroundType), c.ground->fgk});
        r.AddFormat(QStringLiteral("基础底面扩展面积(m#2#):%0.2f；基础降低系数:%0.2f。"), 3, 2,
                    {c.ground->A, c.ground->Kc});
        r.AddBlankLine();
    }
}

void WriteLookupNotes(ScaffoldContext& c)
{
    // Values outside a table's range are looked up at its edge; the book says so.
    const double h = c.ex.h;
    if (h < 1.2 || h > 2.0) {
        c.r.line(2, "注：步距 h=", Dec{h, 2}, " m 超出结构自重标准值表的范围(1.20～2.00 m)，g$k$按表的边界值取用。");
    }
    const SqlRows la = dm1().OpenSql(QStringLiteral("select min(la) as lo, max(la) as hi from ValueOfgk"));
    if (!la.isEmpty()
        && (c.ex.La < la.number(0, QStringLiteral("lo")) || c.ex.La > la.number(0, QStringLiteral("hi")))) {
        c.r.line(2, "注：纵距 l$a$=", Dec{c.ex.La, 2}, " m 超出结构自重标准值表的范围(",
                 Dec{la.number(0, QStringLiteral("lo")), 2}, "～", Dec{la.number(0, QStringLiteral("hi")), 2},
                 " m)，g$k$按表的边界值取用。");
    }
    const SqlRows lb
        = dm1().OpenSql(QStringLiteral("select min(lb) as lo, max(lb) as hi from CoefficientOfLengthComputedOfPole "
                                       "where linecount = ? and walllinkerlay = ?"),
                        {c.ex.LineCount, muLayout(c.ex.WalllinkerLay)});
    if (!lb.isEmpty() && !lb.value(0, QStringLiteral("lo")).isNull()
        && (c.ex.Lb < lb.number(0, QStringLiteral("lo")) || c.ex.Lb > lb.number(0, QStringLiteral("hi")))) {
        c.r.line(2, "注：横距 l$b$=", Dec{c.ex.Lb, 2}, " m 超出计算长度系数表的范围(",
                 Dec{lb.number(0, QStringLiteral("lo")), 2}, "～", Dec{lb.number(0, QStringLiteral("hi")), 2},
                 " m)，μ按表的边界值取用。");
    }
}

void SHPCalculationWhileSmallPoleAbove(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    const PoleRecord& p = c.work.pole;
    BarResult& s = c.work.smallBar;
    const auto [g, b, Qk, La, Lb, n] = barInputs(c);

    r.line(2,
           "小横杆按照简支梁进行强度和挠度计算，小横杆在大横杆的上面。\r\n         "
           "按照小横杆上面的脚手板和活荷载作为均布荷载计算小横杆的最大弯矩和变形。\r\n");
    r.line(2, "1.均布荷载值计算\r\n");
    s.P1 = g;
    r.line(2, "小横杆的自重标准值: P$1$= ", s.P1, " kN/m ；");
    s.P2 = b * La / (n + 1);
    r.line(2, "脚手板的荷载标准值: P$2$= ", b, "×", La, "/", Int{n + 1}, "=", s.P2, " kN/m ；");
    s.Q = Qk * La / (n + 1);
    r.line(2, "活荷载标准值: Q=", Qk, "×", La, "/", Int{n + 1}, "=", s.Q, " kN/m；");
    s.q = 1.2 * s.P1 + 1.2 * s.P2 + 1.4 * s.Q;
    r.line(2, "荷载的计算值: q=1.2×", s.P1, "+1.2", "×", s.P2, "+1.4", "×", s.Q, " = ", s.q, " kN/m；");
    picture(c, "Ground\\SmallRailDiagram.bmp");
    r.line(2, "                    小横杆计算简图");
    r.line(2, "2.强度计算\r\n");
    r.line(2, "最大弯矩考虑为简支梁均布荷载作用下的弯矩，");
    r.line(2, "计算公式如下: \r\n");
    picture(c, "Ground\\Mqmax.bmp");
    s.M = s.q * Lb * Lb / 8;
    r.line(2, "最大弯矩 M$qmax$ =", s.q, "×", Lb, "#2#", "/8 = ", s.M, " kN.m；", "\r\n");
    s.sigma = s.M * 1e6 / (1e3 * p.W);
    r.line(2, "σ = M$qmax$/W =", s.sigma, " N/mm#2#；", "\r\n");
    verdict(c, s.sigma < p.f, barInputsFound(p),
            {ReportText("小横杆的计算强度小于 ", Dec{p.f, 1}, " N/mm#2#,满足要求！", "\r\n"),
             ReportText("小横杆的计算强度大于 ", Dec{p.f, 1}, " N/mm#2#,不满足要求！", "\r\n"),
             ReportText(kGeneralAdvice)});

    r.line(2, "3.挠度计算:\r\n");
    r.line(2, "最大挠度考虑为简支梁均布荷载作用下的挠度");
    const double qk = s.P1 + s.P2 + s.Q;
    r.line(2, "荷载标准值q=", s.P1, "+", s.P2, "+", s.Q, " = ", qk, " kN/m ；", "\r\n");
    const double L = 1e3 * Lb;
    s.V = 5 * qk * std::pow(L, 4) / (384 * p.E * 1e4 * p.I);
    picture(c, "Ground\\Vqmax.bmp");
    r.line(2, "最大挠度 V = 5.0×", qk, "×", Dec{L, 1}, "#4#", "/(384", "×", p.E / 1e5, "×", "10#5#", "×",
           Dec{1e4 * p.I, 1}, ")", "=", s.V, " mm；", "\r\n");
    verdict(c, s.V < L / 150 && s.V < 10, barInputsFound(p),
            {ReportText("小横杆的最大挠度小于 ", Dec{L, 1}, " / 150=", L / 150, " 与10 mm,满足要求！", "\r\n"),
             ReportText("小横杆的最大挠度大于 ", Dec{L, 1}, " / 150=", L / 150, " 与10mm,不满足要求！", "\r\n"),
             ReportText(kGeneralAdvice)});
}

void BHPCalculationWhileSmallPoleAbove(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    const PoleRecord& p = c.work.pole;
    BarResult& s = c.work.bigBar;
    const auto [g, b, Qk, La, Lb, n] = barInputs(c);

    r.line(2, "大横杆按照三跨连续梁进行强度和挠度计算，小横杆在大横杆的上面。\r\n");
    r.line(2, "1.荷载值计算\r\n");
    s.P1 = g * Lb;
    r.line(2, "小横杆的自重标准值: P$1$= ", g, "×", Lb, "=", s.P1, " kN；");
    s.P2 = b * Lb * La / (n + 1);
    r.line(2, "脚手板的荷载标准值: P$2$= ", b, "×", Lb, "×", La, "/", Int{n + 1}, "=", s.P2, " kN；");
    s.Q = Qk * Lb * La / (n + 1);
    r.AddRawLine(
        raw("              活荷载标准值: Q= ", Qk, "×", Lb, "×", La, "/", Int{n + 1}, "=", s.Q, " kN；", "\r\n"));
    const double P = (1.2 * s.P1 + 1.2 * s.P2 + 1.4 * s.Q) / 2;
    s.q = P;
    r.AddRawLine(raw("              荷载的计算值: P=(1.2×", s.P1, "+1.2", "×", s.P2, "+1.4", "×", s.Q, ")/2=", P,
                     " kN；", "\r\n"));
    barSketch(c, n, true, Lb, 50, 100);
    r.line(2, "                  大横杆计算简图");
    r.line(2, "2.强度计算\r\n");
    r.line(2, "最大弯矩考虑为大横杆自重均布荷载与荷载的计算值最不利分配的弯矩和。\r\n");
    picture(c, "Ground\\Mmax.bmp");
    s.M1 = 0.08 * g * La * La;
    r.line(2, "均布荷载最大弯矩计算:M$1max$=0.08×", g, "×", La, "#2#", "=", s.M1, " kN.m；", "\r\n");
    if (!barCountValid(c)) {
        return;
    }
    if (n == 2) {
        r.line(2, " 集中荷载最大弯矩计算公式如下:\r\n");
        picture(c, "Ground\\Mpmax.bmp");
        s.M2 = 0.267 * P * La;
        r.line(2, "集中荷载最大弯矩计算:M$2max$=0.267×", P, "×", La, "= ", s.M2, " kN.m；", "\r\n");
    } else {
        r.line(2, "集中荷载最大弯矩计算公式如下:\r\n");
        picture(c, "Ground\\Mpmax3.bmp");
        s.M2 = 0.417 * P * La;
        r.line(2, "集中荷载最大弯矩计算::M$2max$=0.417×", P, "×", La, "= ", s.M2, " kN.m；", "\r\n");
    }
    s.M = s.M1 + s.M2;
    r.line(2, "M = M$1max$ + M$2max$ = ", s.M1, "+", s.M2, "=", s.M, " kN.m", "\r\n");
    s.sigma = s.M * 1e6 / (1e3 * p.W);
    r.line(2, "抗弯强度:σ= ", s.M, "×", "10#6#", "/", Dec{1e3 * p.W, 1}, "=", s.sigma, " N/mm#2#；", "\r\n");
    verdict(c, s.sigma < p.f, barInputsFound(p),
            {ReportText("大横杆的抗弯强度σ=  ", s.sigma, " 小于[f]=", Dec{p.f, 1}, "N/mm#2#；", "\r\n"),
             ReportText("大横杆的抗弯强度σ=  ", s.sigma, "大于或等于[f]=", Dec{p.f, 1}, " N/mm#2#；", "\r\n"),
             ReportText(kGeneralAdvice)});

    r.line(2, "3.挠度计算\r\n");
    r.AddBlankLine();
    r.line(2, "均布荷载最大挠度计算公式如下:");
    picture(c, "Ground\\Vmax1.bmp");
    const double L = 1e3 * La;
    s.V1 = 0.677 * g * std::pow(L, 4) / (100 * p.E * 1e4 * p.I);
    r.line(2, "大横杆自重均布荷载引起的最大挠度：");
    r.line(2, "        V$max$= 0.677×", g, "×", Dec{L, 1}, "#4#", " /(100", "×", p.E / 1e5, "×", "10#5#", "×",
           Dec{1e4 * p.I, 1}, ") = ", s.V1, " mm；", "\r\n");
    const double Pk = (s.P1 + s.P2 + s.Q) / 2;
    const double coefficient = n == 2 ? 1.883 : 3.029;
    s.V2 = coefficient * (1e3 * Pk) * std::pow(L, 3) / (100 * p.E * 1e4 * p.I);
    r.line(2, "集中荷载最大挠度计算公式如下:");
    picture(c, n == 2 ? "Ground\\Vpmax.bmp" : "Ground\\Vpmax3.bmp");
    r.line(2, "集中荷载标准值最不利分配引起的最大挠度：");
    r.line(2, "P=（", s.P1, "+", s.P2, "+", s.Q, "）/2=", Pk, "kN ");
    if (n == 2) {
        r.line(2, "V= 1.883×", Pk, "×", Dec{L, 1}, "#3#", "/ ( 100 ", "×", p.E / 1e5, "×", "10#5#", "×",
               Dec{1e4 * p.I, 1}, ") = ", s.V2, " mm；", "\r\n");
    } else {
        r.line(2, "V= 3.029×", Pk, "×", Dec{L, 1}, "#3#", "/ ( 100 ", "×", p.E / 1e5, "×", "10#5#", "×",
               Dec{1e4 * p.I, 1}, " )= ", s.V2, " mm；", "\r\n");
    }
    s.V = s.V1 + s.V2;
    r.line(2, "最大挠度和：V= V$max$ + V$pmax$ = ", s.V1, "+", s.V2, "=", s.V, " mm；", "\r\n");
    verdict(c, s.V < L / 150 && s.V < 10, barInputsFound(p),
            {ReportText("大横杆的最大挠度小于 ", Dec{L, 1}, " / 150=", Dec{L / 150, 1}, " 或者 10 ", "mm,满足要求！",
                        "\r\n"),
             ReportText("大横杆的最大挠度大于 ", Dec{L, 1}, " / 150=", Dec{L / 150, 1}, " 或者 10 ", "mm,不满足要求！",
                        "\r\n"),
             ReportText(kGeneralAdvice)});
}

void BHPCalculationWhileBigPoleAbove(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    const PoleRecord& p = c.work.pole;
    BarResult& s = c.work.bigBar;
    const auto [g, b, Qk, La, Lb, n] = barInputs(c);

    r.line(2, "大横杆按照三跨连续梁进行强度和挠度计算，大横杆在小横杆的上面。");
    r.line(2, "按照大横杆上面的脚手板和活荷载作为均布荷载计算大横杆的最大弯矩和变形。\r\n");
    r.line(2, "1.均布荷载值计算");
    s.P1 = g;
    r.line(2, "大横杆的自重标准值:P$1$=", s.P1, " kN/m ；");
    s.P2 = b * Lb / (n + 1);
    r.line(2, "脚手板的荷载标准值:P$2$=", b, "×", Lb, "/(", Int{n}, "+1)=", s.P2, " kN/m ；");
    s.Q = Qk * Lb / (n + 1);
    r.line(2, "活荷载标准值: Q=", Qk, "×", Lb, "/(", Int{n}, "+1)=", s.Q, " kN/m；");
    const double q1 = 1.2 * s.P1 + 1.2 * s.P2;
    r.line(2, "静荷载的计算值: q$1$=1.2×", s.P1, "+1.2", "×", s.P2, "=", q1, " kN/m；");
    const double q2 = 1.4 * s.Q;
    r.line(2, "活荷载的计算值: q$2$=1.4×", s.Q, "=", q2, " kN/m；");
    picture(c, "Ground\\BigRailDiagram1.bmp");
    r.line(2, "                  大横杆计算荷载组合简图(跨中最大弯矩和跨中最大挠度)");
    picture(c, "Ground\\BigRailDiagram2.bmp");
    r.line(2, "                  大横杆计算荷载组合简图(支座最大弯矩)\r\n");
    r.line(2, "2.强度计算");
    r.line(2, "最大弯矩考虑为三跨连续梁均布荷载作用下的弯矩");
    r.line(2, "跨中最大弯距计算公式如下:");
    picture(c, "Ground\\M1max.bmp");
    s.M1 = std::round((0.08 * q1 * La * La + 0.10 * q2 * La * La) * 1e3) / 1e3;
    r.line(2, "跨中最大弯距为M$1max$=0.08×", q1, "×", La, "#2#", "+0.10", "×", q2, "×", La, "#2#", " =", s.M1,
           " kN.m；", "\r\n");
    r.line(2, "支座最大弯距计算公式如下:");
    picture(c, "Ground\\M2max.bmp");
    s.M2 = -(std::round((0.10 * q1 * La * La + 0.117 * q2 * La * La) * 1e3) / 1e3);
    r.line(2, "支座最大弯距为 M$2max$= -0.10×", q1, "×", La, "#2#", "-0.117", "×", q2, "×", La, "#2#", " =", s.M2,
           " kN.m；", "\r\n");
    s.M = std::max(std::abs(s.M1), std::abs(s.M2));
    s.sigma = s.M * 1e6 / (1e3 * p.W);
    r.line(2, "我们选择支座弯矩和跨中弯矩的最大值进行强度验算：");
    r.line(2, "σ=Max(", std::abs(s.M1), "×", "10#6#", ",", std::abs(s.M2), "×", "10#6#", ")/", Dec{1e3 * p.W, 1}, "=",
           s.sigma, " N/mm#2#；", "\r\n");
    verdict(
        c, s.sigma < p.f, barInputsFound(p),
        {ReportText("大横杆的抗弯强度:σ= ", s.sigma, " N/mm#2# 小于 [f]=", Dec{p.f, 1}, " N/mm#2#。满足要求！", "\r\n"),
         ReportText("大横杆的抗弯强度:σ= ", s.sigma, " N/mm#2# 大于或等于 [f]=", Dec{p.f, 1}, " N/mm#2#。不满足要求！",
                    "\r\n"),
         ReportText(kGeneralAdvice)});

    r.line(2, "3.挠度计算:");
    r.line(2, "最大挠度考虑为三跨连续梁均布荷载作用下的挠度\r\n");
    r.line(2, "计算公式如下：");
    picture(c, "Ground\\Vmax.bmp");
    const double q1k = s.P1 + s.P2;
    r.line(2, "静荷载标准值: q$1$= P$1$+P$2$=", s.P1, "+", s.P2, "=", q1k, " kN/m；");
    const double q2k = s.Q;
    r.line(2, "活荷载标准值: q$2$= Q =", q2k, " kN/m；", "\r\n");
    const double L = 1e3 * La;
    s.V = (0.677 * q1k + 0.990 * q2k) * std::pow(L, 4) / (100 * p.E * 1e4 * p.I);
    r.line(2, "三跨连续梁均布荷载作用下的最大挠度");
    r.line(2, "V= 0.677×", q1k, "×", Dec{L, 1}, "#4#", "/(100", "×", Dec{p.E / 1e5, 2}, "×", "10#5#", "×",
           Dec{1e4 * p.I, 1}, ")+0.990", "×", q2k, "        ");
    r.line(2, "   ×", Dec{L, 1}, "#4#", "/(100", "×", Dec{p.E / 1e5, 2}, "×", "10#5#", "×", Dec{1e4 * p.I, 1},
           ") = ", s.V, " mm；", "\r\n");
    r.line(2, "脚手板,纵向、受弯构件的容许挠度为 l/150与10 mm 请参考规范表5.1.8。\r\n");
    verdict(c, s.V < L / 150 && s.V < 10, barInputsFound(p),
            {ReportText("大横杆的最大挠度小于 ", Dec{L, 1}, "/150", " mm 或者 10 mm,满足要求!", "\r\n"),
             ReportText("大横杆的最大挠度大于 ", Dec{L, 1}, "/150", " mm或者 10 mm,不满足要求!", "\r\n"),
             ReportText(kGeneralAdvice)});
}

void SHPCalculationWhileBigPoleAbove(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    const PoleRecord& p = c.work.pole;
    BarResult& s = c.work.smallBar;
    const auto [g, b, Qk, La, Lb, n] = barInputs(c);

    r.line(2, "小横杆按照简支梁进行强度和挠度计算，大横杆在小横杆的上面。");
    r.line(2, " 用大横杆支座的最大反力计算值，在最不利荷载布置下计算小横杆的最大弯矩和变形。\r\n");
    r.line(2, "1.荷载值计算");
    s.P1 = g * La;
    r.line(2, "大横杆的自重标准值：p$1$= ", g, "×", La, " = ", s.P1, " kN；");
    s.P2 = b * Lb * La / (n + 1);
    r.line(2, "脚手板的荷载标准值：P$2$=", b, "×", Lb, "×", La, "/(", Int{n},
           "+1)=", formatPrintf(QStringLiteral("%5.3f"), {s.P2}), " kN；");
    s.Q = Qk * Lb * La / (n + 1);
    r.AddRawLine(raw("              活荷载标准值：Q=", Qk, "×", Lb, "×", La, "/(", Int{n},
                     "+1) =", formatPrintf(QStringLiteral("%5.3f"), {s.Q}), " kN；"));
    const double P = 1.2 * (s.P1 + s.P2) + 1.4 * s.Q;
    s.q = P;
    r.AddRawLine(
        raw("              荷载的计算值: P=1.2×(", s.P1, "+", s.P2, ")+1.4 ", "×", s.Q, " = ", P, " kN；", "\r\n"));
    barSketch(c, n, false, Lb, 50, 80);
    r.line(2, "                      小横杆计算简图\r\n");
    r.line(2, "2.强度计算");
    r.line(2, "最大弯矩考虑为小横杆自重均布荷载与荷载的计算值最不利分配的弯矩和 \r\n");
    s.M1 = 1.2 * g * Lb * Lb / 8;
    r.line(2, "均布荷载最大弯矩计算公式如下:");
    picture(c, "Ground\\Mqmax.bmp");
    r.line(2, "M$qmax$ = 1.2×", g, "×", Lb, "#2#", "/8 = ", s.M1, " kN.m；", "\r\n");
    if (!barCountValid(c)) {
        return;
    }
    r.line(2, "集中荷载最大弯矩计算公式如下:");
    if (n == 2) {
        s.M2 = P * Lb / 3;
        picture(c, "Ground\\MPmax2.bmp");
        r.line(2, "M$pmax$ = ", P, "×", Lb, "/3 = ", s.M2, " kN.m ；", "\r\n");
    } else {
        s.M2 = P * Lb / 2;
        picture(c, "Ground\\MPmax1.bmp");
        r.line(2, "M$pmax$ = ", P, "×", Lb, "/2 = ", s.M2, " kN.m ；", "\r\n");
    }
    s.M = s.M1 + s.M2;
    r.line(2, "最大弯矩 M= M$qmax$ + M$pmax$ = ", s.M, " kN.m；", "\r\n");
    s.sigma = s.M * 1e6 / (1e3 * p.W);
    r.line(2, "σ = M / W = ", s.M, "×", "10#6#", "/", 1e3 * p.W, "=", s.sigma, " N/mm#2# ；", "\r\n");
    verdict(c, s.sigma < p.f, barInputsFound(p),
            {ReportText("小横杆的计算强度小于 ", p.f, " N/mm#2#,满足要求！", "\r\n"),
             ReportText("小横杆的计算强度大于 ", p.f, " N/mm#2#,不满足要求！", "\r\n"), ReportText(kGeneralAdvice)});

    r.line(2, "3.挠度计算");
    r.line(2, "最大挠度考虑为小横杆自重均布荷载与荷载的计算值最不利分配的挠度和\r\n");
    const double L = 1e3 * Lb;
    s.V1 = 5 * g * std::pow(L, 4) / (384 * p.E * 1e4 * p.I);
    r.line(2, "小横杆自重均布荷载引起的最大挠度计算公式如下:");
    picture(c, "Ground\\Vqmax.bmp");
    r.line(2, "V$qmax$=5×", g, "×", Dec{L, 1}, "#4#", "/(384", "×", p.E / 1e5, "×", "10#5#", "×", 1e4 * p.I,
           ") = ", s.V1, " mm ；", "\r\n");
    const double Pk = s.P1 + s.P2 + s.Q;
    r.line(2, "P$2$ = p$1$ + p$2$ + Q = ", s.P1, "+", s.P2, "+", s.Q, " = ", Pk, " kN；", "\r\n");
    r.line(2, "集中荷载标准值最不利分配引起的最大挠度计算公式如下:");
    if (n == 2) {
        // Two loads at the third points of a simple beam.
        s.V2 = (1e3 * Pk) * L * (3 * L * L - 4 * L * L / 9) / (72 * p.E * 1e4 * p.I);
        picture(c, "Ground\\Vpmax2.bmp");
        r.line(2, "V$pmax$ = ", 1e3 * Pk, "×", Dec{L, 1}, "×", "(3", "×", Dec{L, 1}, "#2#", "-4", "×", Dec{L, 1}, "#2#",
               "/9 ) /(72", "×", p.E / 1e5, "×", "10#5#", "\r\n", "        ", "×", Dec{1e4 * p.I, 1}, ") = ", s.V2,
               " mm；", "\r\n");
    } else {
        // One load at mid-span and two at the quarter points.
        s.V2 = 19 * (1e3 * Pk) * std::pow(L, 3) / (384 * p.E * 1e4 * p.I);
        picture(c, "Ground\\Vpmax1.bmp");
        r.line(2, "V$pmax$ = 19 ×", 1e3 * Pk, "×", L, "#3#", " /(384 ", "×", p.E / 1e5, "×", "10#5#", "\r\n",
               "              ", "×", 1e4 * p.I, ") = ", s.V2, " mm ；", "\r\n");
    }
    s.V = s.V1 + s.V2;
    r.line(2, "最大挠度和 V = V$qmax$ + V$pmax$ = ", s.V1, "+", s.V2, " = ", s.V, " mm；", "\r\n");
    verdict(c, !(s.V >= L / 150 || s.V >= 10), barInputsFound(p),
            {ReportText("小横杆的最大挠度小于 (", L, "/150)=", L / 150, " 与 10 mm,满足要求!；", "\r\n"),
             ReportText("小横杆的最大挠度大于 (", L, "/150)=", L / 150, " 与 10 mm,不满足要求! ；", "\r\n"),
             ReportText(kGeneralAdvice)});
}

namespace {

// The capacity sentence of a double fastener (style 2).
void doubleFastenerSentence(ScaffoldContext& c)
{
    const double cf = c.ex.fasternerCoefficient;
    const double Rc2 = c.work.fastener.Rc2;
    c.r.AddFormat(
        QStringLiteral(
            "按照《建筑施工扣件式钢管脚手架安全技术规范培训讲座》方柯主编，P96页，双扣件承载力设计值取%0.2fkN，\r\n"
            "        按照扣件抗滑承载力系数%0.2f，该工程实际的旋转双扣件承载力取值为%0.2fkN 。"),
        2, 2, {Rc2, cf, cf * Rc2});
}

} // namespace

void CalFastenerSlip(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    ScaffoldWork& w = c.work;
    FastenerLoad& fl = w.fastenerLoad;
    w.fastener.Rc2 = 16;
    const double cf = c.ex.fasternerCoefficient;
    const double Rc1 = w.fastener.Rc1;
    const double Rc2 = w.fastener.Rc2;
    const bool doubleFastener = c.ex.fastenerType == 1;
    const double g = w.pole.DeadWeightSTD;
    const double b = c.stat.ScaffoldBoardDeadWeight;
    const double Qk = c.live.ConstructSTDValue;
    const double La = c.ex.La;
    const double Lb = c.ex.Lb;

    if (doubleFastener) {
        doubleFastenerSentence(c);
    } else {
        r.AddFormat(
            QStringLiteral("按规范表5.1.7,直角、旋转单扣件承载力取值为%0.2fkN，按照扣件抗滑承载力系数%0.2f，\r\n"
                           "        该工程实际的旋转单扣件承载力取值为%0.2fkN。"),
            2, 2, {Rc1, cf, cf * Rc1});
    }
    r.AddBlankLine();
    r.line(2, "纵向或横向水平杆与立杆连接时，扣件的抗滑承载力按照下式计算(规范5.2.5):\r\n");
    r.line(2, "                               R ≤ R$c$    \r\n");
    r.AddFormat(QStringLiteral("其中 Rc -- 扣件抗滑承载力设计值,取%0.2f kN；"), 3, 2,
                {doubleFastener ? cf * Rc2 : cf * Rc1});
    r.AddRawLine(QStringLiteral("              R -- 纵向或横向水平杆传给立杆的竖向作用力设计值；\r\n"));
    const double span = c.ex.HPoleAgraffeLay == 1 ? Lb : La;
    fl.P1 = g * span;
    r.line(2, "横杆的自重标准值: P$1$ = ", g, "×", span, "=", fl.P1, " kN；", "\r\n");
    fl.P2 = b * Lb * La / 2;
    r.line(2, "脚手板的荷载标准值: P$2$ = ", b, "×", Lb, "×", La, "/2=", fl.P2, " kN；", "\r\n");
    fl.Q = Qk * Lb * La / 2;
    r.line(2, "活荷载标准值: Q = ", Qk, "×", Lb, "×", La, " /2", " = ", fl.Q, " kN；", "\r\n");
    fl.R = 1.2 * (fl.P1 + fl.P2) + 1.4 * fl.Q;
    r.line(2, "荷载的计算值: R=1.2×(", fl.P1, "+", fl.P2, ")+1.4", "×", fl.Q, "=", fl.R, " kN；", "\r\n");

    const bool found = !missing(g) && (doubleFastener || !missing(Rc1));
    if (!found) {
        verdict(c, false, false, {ReportText(), ReportText(QStringLiteral("扣件抗滑承载力的设计计算")), ReportText()});
    } else if (doubleFastener) {
        if (cf * Rc2 > fl.R) {
            r.AddFormat(QStringLiteral("R < %0.2f kN,所以双扣件抗滑承载力的设计计算满足要求! \r\n"), 2, 2, {cf * Rc2});
        } else {
            const QString text = QStringLiteral("双扣件抗滑承载力的设计计算不满足要求，所以建议减小立杆间距!");
            r.AddText(text + QStringLiteral("\r\n"), 5, 2);
            c.obj.AddConclusion(ReportText(text));
        }
    } else if (fl.R < cf * Rc1) {
        r.AddFormat(QStringLiteral("R < %0.2f kN , 单扣件抗滑承载力的设计计算满足要求!  \r\n"), 2, 2, {cf * Rc1});
    } else if (cf * Rc2 > fl.R) {
        r.AddFormat(QStringLiteral(
                        "R > %0.2f kN 且R < %0.2f kN,所以单扣件抗滑承载力的设计计算不满足要求!建议采用双扣件！ \r\n"),
                    5, 2, {cf * Rc1, cf * Rc2});
        doubleFastenerSentence(c);
        c.obj.AddConclusion(
            ReportText(QStringLiteral("单扣件抗滑承载力的设计计算不满足要求!建议采用双扣件或者减少立杆间距!")));
    } else {
        const QString text = QStringLiteral(
            "单扣件抗滑承载力的设计计算不满足要求，且不满足双扣件抗滑承载力设计要求，所以建议减小立杆间距!");
        r.AddText(text + QStringLiteral("\r\n"), 5, 2);
        doubleFastenerSentence(c);
        c.obj.AddConclusion(ReportText(text));
    }
}

void CalLoadStandardValues(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    ScaffoldWork& w = c.work;
    LoadValues& lv = w.loads;
    const double gk = w.pole.gk;
    const double H = c.ex.high;
    const double La = c.ex.La;
    const double Lb = c.ex.Lb;
    const double h = c.ex.h;
    const double b = c.stat.ScaffoldBoardDeadWeight;
    const double rail = c.stat.BalusterDeadWeight;
    const double s = c.stat.SafeWareDeadWeight;
    const int m = c.stat.ScaffoldBoardLayer;
    const int k = c.other.ConstructFloor;
    const double Qk = c.live.ConstructSTDValue;
    TWindload& wind = c.wind;

    r.line(2, "作用于脚手架的荷载包括静荷载、活荷载和风荷载。静荷载标准值包括以下内容：    ");
    r.line(2, "(1)每米立杆承受的结构自重标准值(kN/m)；本例为", Dec{gk, 4});
    lv.NG1 = gk * H;
    r.line(2, "  N$G1$ = ", gk, "×", H, " = ", lv.NG1, " kN；", "\r\n");
    r.line(2, "(2)脚手板的自重标准值(kN/m#2#)；本例采用",
           TStaticLoad::scaffoldBoardTypeNames().value(c.stat.ScaffoldBoardType), "，标准值为", Dec{b, 2});
    lv.NG2 = m * b * (Lb + 0.3) * La / 2;
    r.line(2, "  N$G2$= ", b, "×", Int{m}, "×", La, "×", "(", Lb, "+0.3)/2", " = ", lv.NG2, " kN；", "\r\n");
    r.line(2, "(3)栏杆与挡脚手板自重标准值(kN/m)；本例采用",
           TStaticLoad::balusterTypeNames().value(c.stat.BalusterType), "，标准值为", Dec{rail, 2});
    lv.NG3 = m * rail * La / 2;
    r.line(2, "  N$G3$ = ", rail, "×", Int{m}, "×", La, "/2", " = ", lv.NG3, " kN；", "\r\n");
    r.line(2, "(4)吊挂的安全设施荷载，包括安全网(kN/m#2#)；0.005 ");
    lv.NG4 = s * La * H;
    r.line(2, "  N$G4$ = ", s, "×", La, "×", H, " = ", lv.NG4, " kN；", "\r\n");
    r.line(2, "经计算得到，静荷载标准值");
    lv.NG = lv.NG1 + lv.NG2 + lv.NG3 + lv.NG4;
    r.line(2, "  N$G$ =N$G1$+N$G2$+N$G3$+N$G4$ = ", lv.NG, " kN；", "\r\n");
    r.line(2, "活荷载为施工荷载标准值产生的轴向力总和，内、外立杆按一纵距内施工荷载总和的1/2\r\n        取值。");
    r.line(2, "经计算得到，活荷载标准值");
    lv.NQ = Qk * Lb * La * k / 2;
    r.line(2, "  N$Q$= ", Qk, "×", Lb, "×", La, "×", Int{k}, "/2", " = ", lv.NQ, " kN；", "\r\n");

    r.line(2, "风荷载标准值应按照以下公式计算 ");
    picture(c, "Ground\\Wk.bmp");
    r.line(2, "其中  W$o$ -- 基本风压(kN/m#2#)，按照《建筑结构荷载规范》(GB50009-2001)的规定采用：");
    r.line(2, "                 W$o$ = ", wind.Wo, " kN/m#2#；");
    r.line(2, "      U$z$ -- 风荷载高度变化系数，按照《建筑结构荷载规范》(GB50009-2001)的规定采用：");
    r.line(2, "                 U$z$= ", wind.Uz, " ；");
    r.line(2, "      U$s$ -- 风荷载体型系数：U$s$ =", wind.Us, " ；", "\r\n");
    r.line(2, "经计算得到，风荷载标准值");
    wind.Wk = 0.7 * wind.Wo * wind.Uz * wind.Us;
    r.line(2, "   W$k$ = 0.7 ×", wind.Wo, "×", wind.Uz, "×", wind.Us, " = ", wind.Wk, " kN/m#2#；", "\r\n");

    r.line(2, "不考虑风荷载时,立杆的轴向压力设计值计算公式");
    w.pole.N = 1.2 * lv.NG + 1.4 * lv.NQ;
    if (c.windLoadValid) {
        r.line(2, "   N = 1.2N$G$+1.4N$Q$= 1.2×", lv.NG, "+ 1.4", "×", lv.NQ, "= ", w.pole.N, " kN；", "\r\n");
        r.line(2, "考虑风荷载时,立杆的轴向压力设计值计算公式");
        w.pole.NWind = 1.2 * lv.NG + 0.85 * 1.4 * lv.NQ;
        r.line(2, "   N = 1.2 N$G$+0.85×1.4N$Q$ = 1.2×", lv.NG, "+ 0.85", "×", "1.4", "×", lv.NQ, "= ", w.pole.NWind,
               " kN；", "\r\n");
    } else {
        r.line(2, "   N = 1.2N$G$+1.4N$Q$ = 1.2×", lv.NG, "+ 1.4", "×", lv.NQ, "\r\n", "        ", "= ", w.pole.N,
               " kN；", "\r\n");
    }
    r.line(2, "风荷载设计值产生的立杆段弯矩 M$W$计算公式");
    wind.Mw = 0.85 * 1.4 * wind.Wk * La * h * h / 10;
    r.line(2, "  M$w$ = 0.85 ×1.4W$k$L$a$h#2#/10 =0.850 ×1.4×", wind.Wk, "×", La, "×");
    r.line(2, "      ", h, "#2#", "/10 ", " = ", wind.Mw, " kN.m；", "\r\n");
}

namespace {

// The slenderness limit of the standing tube: 210 for a double row, 230 for a single row.
bool slendernessWithinLimit(ScaffoldContext& c, int lambda)
{
    const bool doubleRow = c.ex.LineCount == 1;
    if (doubleRow && lambda > 210) {
        const QString text = QStringLiteral(
            "杆件长细比超过JGJ130-2001第14页表5.1.9规定，l$o$/i>210， 不满足要求！建议减小立杆间距,或者减小立杆步距！");
        c.r.AddText(text + QStringLiteral("\r\n"), 5, 2);
        c.obj.AddConclusion(ReportText(text));
        return false;
    }
    if (!doubleRow && lambda > 230) {
        const QString text = QStringLiteral(
            "杆件长细比超过JGJ130-2001第14页表5.1.9规定，l$o$/i>230，不满足要求！建议减小立杆间距,或者减小立杆步距！");
        c.r.AddText(text + QStringLiteral("\r\n"), 5, 2);
        c.obj.AddConclusion(ReportText(text));
        return false;
    }
    return true;
}

const QString kStabilityAdvice = QStringLiteral("建议减少脚手架\"纵距\"或\"横距\"，或降低脚手架搭设高度。\r\n");

void stabilityCheck(ScaffoldContext& c, bool withWind)
{
    ReportDocument& r = c.r;
    PoleRecord& p = c.work.pole;
    p.mu = dm1().GetMu(c.ex.LineCount, muLayout(c.ex.WalllinkerLay), c.ex.Lb);
    p.K = 1.155;
    p.l0 = p.K * p.mu * c.ex.h;
    p.lambda = rounded(1e3 * p.l0 / (10 * p.iOfPole));
    // φ of the actual slenderness, also when the limit fails: the permissible height needs it.
    p.phi = dm1().GetPhi(p.lambda);

    if (withWind) {
        r.line(2, "考虑风荷载时,立杆的稳定性计算公式");
        picture(c, "Ground\\σ.bmp");
        r.line(2, "立杆的轴心压力设计值 ：N =", formatPrintf(QStringLiteral("%5.3f"), {p.NWind}), " kN；");
    } else {
        r.line(2, "不组合风荷载时，立杆的稳定性计算公式为：");
        picture(c, "Ground\\σNoWind.bmp");
        r.line(2, "立杆的轴心压力设计值 ：N =", p.N, " kN；");
    }
    r.line(2, "计算立杆的截面回转半径 ：i = ", Dec{p.iOfPole, 2}, " cm；");
    r.line(2, withWind ? "计算长度附加系数 ： K = " : "计算长度附加系数 ：K = ", p.K, " ；");
    r.line(2, "计算长度系数参照《扣件式规范》表5.3.3得 ：U = ", p.mu);
    r.line(2,
           withWind ? "计算长度 ,由公式 l$o$ = kuh 确定：l$o$ = " : "计算长度 ,由公式 l$o$ = kuh 确定 ：l$o$ = ", p.l0,
           " m；");
    const double lambda = p.lambda;
    if (!withWind) {
        r.line(4, "L$o$/i = ", lambda, " ；");
    }
    c.work.lambdaExceeded = !slendernessWithinLimit(c, p.lambda);
    if (c.work.lambdaExceeded) {
        return;
    }
    if (withWind) {
        r.line(4, "L$o$/i = ", lambda, " ；");
        r.line(2, "轴心受压立杆的稳定系数φ,由长细比 l$o$/i 的结果查表得到 ：φ= ", p.phi);
    } else {
        r.line(2, "轴心受压立杆的稳定系数φ,由长细比 l$o$/i 的结果查表得到 ：φ= ", p.phi, " ；");
    }
    r.line(2, "立杆净截面面积 ： A = ", Dec{p.A, 2}, " cm#2#；");
    r.line(2, "立杆净截面模量(抵抗矩) ：W = ", Dec{p.W, 2}, " cm#3#；");
    r.line(2, "钢管立杆抗压强度设计值 ：[f] =", p.f, " N/mm#2#；", "\r\n");
    bool found = !missing(p.phi) && !missing(p.A) && !missing(p.f) && !missing(p.mu);
    if (withWind) {
        p.sigma = 1e3 * p.NWind / (p.phi * 1e2 * p.A) + 1e6 * c.wind.Mw / (1e3 * p.W);
        r.line(2, "σ = ", 1e3 * p.NWind, "/(", p.phi, "×", 1e2 * p.A, ")+", 1e6 * c.wind.Mw, "/", 1e3 * p.W, " = ",
               p.sigma, " N/mm#2#；", "\r\n");
        found = found && !missing(c.wind.Wo) && !missing(c.wind.Uz) && !missing(c.wind.Us) && !missing(p.W);
    } else {
        p.sigma = 1e3 * p.N / (p.phi * 1e2 * p.A);
        r.line(2, "σ = ", 1e3 * (std::round(p.N * 1e3) / 1e3), "/(", p.phi, "×", 1e2 * p.A, ")=", p.sigma, " N/mm#2#；",
               "\r\n");
    }
    verdict(c, !(p.sigma > p.f), found,
            {ReportText("立杆稳定性计算 σ = ", p.sigma, " 小于 [f] = ", p.f, " N/mm#2# 满足要求！", "\r\n"),
             ReportText("立杆稳定性计算 σ = ", p.sigma, " 大于 [f] = ", p.f, " N/mm#2# 不满足要求！", "\r\n"),
             ReportText(kStabilityAdvice)});
}

} // namespace

void CalPoleStability(ScaffoldContext& c)
{
    stabilityCheck(c, false);
    if (c.windLoadValid) {
        stabilityCheck(c, true);
    }
}

namespace {

// [H] = Hs/(1 + 0.001Hs) when Hs reaches 26 m, at most 50 m; the erection height is held against it.
void heightLimit(ScaffoldContext& c, double Hs, bool withWind, double& limit)
{
    ReportDocument& r = c.r;
    if (!(Hs > 0)) {
        limit = 0;
        const QString text = QStringLiteral("计算得到的可搭设高度 H$s$ 不大于零，按此参数不能搭设脚手架！");
        r.AddText(text + QStringLiteral("\r\n"), 5, 2);
        c.obj.AddConclusion(ReportText(text), ReportText(QStringLiteral("建议减小立杆间距或步距，或减轻脚手架荷载。")));
        return;
    }
    r.line(2, "脚手架搭设高度 H$s$等于或大于26米，按照下式调整且不超过50米：");
    picture(c, "Ground\\[H].bmp");
    double adjusted = Hs;
    if (Hs >= 26) {
        adjusted = Hs / (1 + 0.001 * Hs);
        r.line(2, "[H] = ", Hs, " /(1+0.001", "×", Hs, ")=", adjusted, " m；", "\r\n");
    } else {
        r.line(2, "H$s$ = ", Hs, " m 小于26米，不需调整，[H] = ", adjusted, " m；", "\r\n");
    }
    limit = std::min(50.0, adjusted);
    r.line(2, "[H]= ", adjusted,
           withWind ? " 和 50 比较取较小值。经计算得到，脚手架搭设高度限值 [H] ="
                    : " 和 50 比较取较小值。得到，脚手架搭设高度限值 [H] =",
           limit, " m。", "\r\n");
    const double H = c.ex.high;
    c.obj.Check(
        r, H <= limit,
        {ReportText("脚手架搭设高度 H = ", Dec{H, 2}, " m 不大于搭设高度限值 [H] = ", limit, " m，满足要求！\r\n"),
         ReportText("脚手架搭设高度 H = ", Dec{H, 2}, " m 大于搭设高度限值 [H] = ", limit, " m，不满足要求！\r\n"),
         ReportText(QStringLiteral("建议降低脚手架搭设高度，或采用双立管、分段卸荷等措施。\r\n"))});
}

} // namespace

void CalMaxHeight(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    ScaffoldWork& w = c.work;
    HeightResult& hr = w.height;
    const PoleRecord& p = w.pole;
    const LoadValues& lv = w.loads;
    const double gk = p.gk;

    auto common = [&] {
        r.line(2, "构配件自重标准值产生的轴向力 N$G2K$(kN)计算公式为：");
        hr.NG2K = lv.NG2 + lv.NG3 + lv.NG4;
        r.line(2, "N$G2K$ = N$G2$+N$G3$+N$G4$ = ", hr.NG2K, " kN；", "\r\n");
        r.line(2, "活荷载标准值 ：N$Q$ = ", lv.NQ, " kN；");
        r.line(2, "每米立杆承受的结构自重标准值 ：G$k$ = ", gk, " kN/m；", "\r\n");
    };

    r.line(2, "不考虑风荷载时,采用单立管的敞开式、全封闭和半封闭的脚手架可搭设高度按照下式计算：\r\n");
    picture(c, "Ground\\HsNoWind.bmp");
    common();
    hr.Hs = (1e3 * 1e-4 * p.phi * p.A * p.f - (1.2 * hr.NG2K + 1.4 * lv.NQ)) / (1.2 * gk);
    r.line(2, "H$s$ =[", p.phi, "×", p.A, "×", "10#-4#", "×", p.f, "×", "10#3#", "-(1.2", "×", hr.NG2K);
    r.line(3, "+1.4×", lv.NQ, ")]/(1.2", "×", gk, ")=", hr.Hs, " m；", "\r\n");
    if (missing(p.phi) || missing(p.A) || missing(p.f) || missing(gk)) {
        verdict(c, false, false, {ReportText(), ReportText(QStringLiteral("最大搭设高度的计算")), ReportText()});
    } else {
        heightLimit(c, hr.Hs, false, hr.H);
    }
    if (!c.windLoadValid) {
        return;
    }

    r.line(2, "考虑风荷载时,采用单立管的敞开式、全封闭和半封闭的脚手架可搭设高度按照下式计算：");
    picture(c, "Ground\\Hs.bmp");
    common();
    c.wind.Mwk = c.wind.Mw / (1.4 * 0.85);
    r.line(2, "计算立杆段由风荷载标准值产生的弯矩： M$wk$=M$w$ / (1.4×0.85) = ", c.wind.Mw, " /(1.4 ", "×",
           " 0.85) = ", c.wind.Mwk, " kN.m；", "\r\n");
    hr.HsWind
        = (0.1 * p.phi * p.A * p.f - (1.2 * hr.NG2K + 0.85 * 1.4 * (lv.NQ + 1e2 * p.phi * p.A * c.wind.Mwk / p.W)))
        / (1.2 * gk);
    const double Hs = hr.HsWind;
    r.line(2, "H$s$ =( ", p.phi, "×", p.A, "×", "10#-4#", "×", p.f, "×", "10#3#", "-(1.2", "×", hr.NG2K, "+0.85", "×",
           "1.4", "×", "(", lv.NQ, "+", "\r\n", "              ", p.phi, "×", p.A, "×", c.wind.Mwk, "/", p.W, ")))/",
           "(1.2", "×", gk, ")=", Hs, " m；", "\r\n");
    if (missing(p.phi) || missing(p.A) || missing(p.f) || missing(gk) || missing(c.wind.Wo)) {
        verdict(c, false, false,
                {ReportText(), ReportText(QStringLiteral("考虑风荷载时最大搭设高度的计算")), ReportText()});
    } else {
        heightLimit(c, Hs, true, hr.HWind);
    }
}

void CalWallTie(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    ScaffoldWork& w = c.work;
    WallTieValues& t = w.tie;
    const PoleRecord& p = w.pole;
    if (!c.windLoadValid) {
        r.AddText(QStringLiteral("不考虑风荷载连墙件的轴向力 无需计算!\r\n"), 2, 2);
        return;
    }
    r.line(2, " 连墙件的轴向力计算值应按照下式计算：\r\n");
    r.line(2, "      N$l$ = N$lw$ + N$o$");
    r.line(2, "风荷载基本风压值 W$k$ = ", c.wind.Wk, " kN/m#2#；");
    const int lay = c.ex.WalllinkerLay;
    const int steps = lay == 1 ? 3 : 2;
    const int spans = lay == 2 ? 2 : 3;
    t.Aw = lay <= 2 ? c.ex.h * steps * c.ex.La * spans : -1;
    r.line(2, "每个连墙件的覆盖面积内脚手架外侧的迎风面积 A$w$ = ", t.Aw, " m#2#；");
    r.line(2, "连墙件约束脚手架平面外变形所产生的轴向力(kN), N$o$= ", formatPrintf(QStringLiteral("%5.3f"), {t.N0}),
           " kN；", "\r\n");
    t.NLw = 1.4 * c.wind.Wk * t.Aw;
    r.line(2, "风荷载产生的连墙件轴向力设计值(kN)，应按照下式计算：");
    r.line(2, "N$Lw$ = 1.4×W$k$×A$w$ = ", t.NLw, " kN；", "\r\n");
    t.NL = t.NLw + t.N0;
    r.line(2, "连墙件的轴向力计算值 N$L$= N$Lw$ + N$o$= ", t.NL, " kN；", "\r\n");
    r.line(2, "其中 φ  -- 轴心受压立杆的稳定系数,l为内排架距离墙的长度,\r\n        由长细比 l/i=",
           1e3 * c.ex.HPoleOuterLen, "/", 10 * p.iOfPole, "的结果查表得到", t.phi, "；");
    r.line(3, "A = ", Dec{p.A, 2}, " cm#2#；", "[f]=", Dec{p.f, 2}, " N/mm#2#；", "\r\n");
    t.Nf = 1e2 * t.phi * p.A * p.f * 1e-3;
    r.text(2, 2, "连墙件轴向力设计值 N$f$=φ×A×[f]=", t.phi, "×", p.A, "×", "10#-4#", "×", p.f, "×", "10#3#", " = ",
           t.Nf, " kN；", "\r\n");
    const bool found = !missing(t.phi) && !missing(p.A) && !missing(p.f) && !missing(c.wind.Wo) && !missing(c.wind.Uz)
        && !missing(c.wind.Us) && t.Aw > 0;
    verdict(c, t.NL < t.Nf, found,
            {ReportText("N$l$=", t.NL, "<N$f$=", t.Nf, ",连墙件的设计计算满足要求！", "\r\n"),
             ReportText("N$l$=", t.NL, "≥N$f$=", t.Nf, ",连墙件的设计计算不满足要求！", "\r\n"),
             ReportText(QStringLiteral("建议减少连墙件布置间距。\r\n"))});

    const QString otherWay = QStringLiteral("建议减少连墙件布置间距，或采用其他连接方式。\r\n");
    switch (c.ex.WalllinkerAgraffeType) {
    case 0:
        if (c.ex.WallLinkerType == 1) {
            r.AddText(QStringLiteral("连墙件采用双扣件与墙体连接。\r\n"), 2, 2);
            verdict(c, t.NL < 16, found,
                    {ReportText("经过计算得到 N$l$=", t.NL, "小于双扣件的抗滑力 16.0 kN，满足要求!"),
                     ReportText("经过计算得到 N$l$=", t.NL, "大于双扣件的抗滑力 16.0 kN，不满足要求!"),
                     ReportText(otherWay)});
        } else {
            r.AddText(QStringLiteral("连墙件采用单扣件与墙体连接。\r\n"), 2, 2);
            verdict(c, t.NL < w.fastener.Rc1, found && !missing(w.fastener.Rc1),
                    {ReportText("经过计算得到 N$l$=", t.NL, "小于单扣件的抗滑力 8.0 kN，满足要求!"),
                     ReportText("经过计算得到 N$l$=", t.NL, "大于单扣件的抗滑力 8.0 kN，不满足要求!"),
                     ReportText(QStringLiteral("建议减少连墙件布置间距，或采用双扣件连接，或采用其他连接方式。\r\n"))});
        }
        picture(c, "Ground\\link.bmp");
        r.AddRawLine(QStringLiteral("                              连墙件扣件连接示意图"));
        break;
    case 1: {
        const double ft = 185.0;
        const double lw = M_PI * p.d;
        const double thickness = p.t;
        r.line(2, "连墙件采用焊接方式与墙体连接，对接焊缝强度计算公式如下");
        picture(c, "Ground\\Wall2_σ.bmp");
        r.line(2, "其中 N为连墙件的轴向拉力，N=", t.NL, " kN；");
        r.line(2, "l$w$为连墙件的周长，取L$w$=pi×d=", lw, " mm；");
        r.line(2, " t为连墙件的壁厚，t=", thickness, " mm；");
        r.line(2, "f$t$或f$c$为对接焊缝的抗拉或抗压强度，取185.0 N/mm#2#；");
        t.sigmaW = 1e3 * t.NL / (lw * thickness);
        r.text(2, 2, "经过焊缝抗拉强度 σ=", 1e3 * t.NL, " /( ", lw, "×", thickness, ")= ", t.sigmaW, " N/mm#2#；",
               "\r\n");
        verdict(
            c, t.sigmaW < ft, found && !missing(p.d) && !missing(thickness),
            {ReportText("经过焊缝抗拉强度σ=", t.sigmaW, "<f$t$=", ft, "； 对接焊缝的抗拉或抗压强度计算满足要求!"),
             ReportText("经过焊缝抗拉强度σ=", t.sigmaW, ">=f$t$=", ft, "； 对接焊缝的抗拉或抗压强度计算不满足要求!"),
             ReportText(otherWay)});
        picture(c, "Ground\\link2.bmp");
        r.line(4, "连墙件对接焊缝连接示意图");
        break;
    }
    case 2:
        r.line(2, "连墙件采用普通螺栓连接，普通螺栓计算参见《施工计算手册》钢结构部分。\r\n");
        picture(c, "Ground\\link3.bmp");
        r.AddRawLine(QStringLiteral("                              连墙件普通螺栓连接示意图"));
        break;
    case 3:
        r.line(2, "连墙件采用膨胀螺栓连接，预埋铁的计算参见《施工计算手册》钢结构部分。");
        picture(c, "Ground\\link4.bmp");
        r.AddRawLine(QStringLiteral("                              连墙件膨胀螺栓连接示意图"));
        break;
    default:
        break; // reported with the parameters
    }
}

void CalFoundation(ScaffoldContext& c)
{
    ReportDocument& r = c.r;
    TGroundWorkPara& g = *c.ground;
    // The ground must carry the worse of the two combinations; without wind that is the only one.
    g.N = c.windLoadValid ? std::max(c.work.pole.N, c.work.pole.NWind) : c.work.pole.N;
    r.line(2, "立杆基础底面的平均压力应满足下式的要求 \r\n\r\n                p ≤ f$g$ \r\n");
    r.line(2, "地基承载力设计值:");
    g.fg = g.fgk * g.Kc;
    r.line(2, "f$g$ = f$gk$×K$c$ = ", g.fg, " kN/m#2#； ", "\r\n");
    r.line(2, "其中，地基承载力标准值：f$gk$= ", g.fgk, " kN/m#2# ； ");
    r.line(2, "脚手架地基承载力调整系数：k$c$ = ", g.Kc, " ； ", "\r\n");
    g.p = g.N / g.A;
    r.line(2, "立杆基础底面的平均压力 ，p = N/A =", g.p, " kN/m#2# ；", "\r\n");
    r.line(2, "其中，上部结构传至基础顶面的轴向力设计值 ：N = ", g.N, " kN；");
    r.line(2, "基础底面面积 (m#2#)：A = ", g.A, " m#2# 。", "\r\n");
    c.obj.Check(r, g.p < g.fg,
                {ReportText("p=", g.p, " ≤ f$g$=", g.fg, " kN/m#2# 。地基承载力的计算满足要求！"),
                 ReportText("p=", g.p, " ≥ f$g$=", g.fg, " kN/m#2# 。地基承载力的计算不满足要求！"),
                 ReportText(QStringLiteral("建议减少脚手架搭设高度。\r\n"))});
}

} // namespace ScaffoldSections
