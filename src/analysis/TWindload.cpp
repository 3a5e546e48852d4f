#include "TWindload.h"

#include "refdata/Tdm1.h"

void TWindload::Assign(const TWindload& source)
{
    AN = source.AN;
    Aw = source.Aw;
    Coarse = source.Coarse;
    Province = source.Province;
    District = source.District;
    High = source.High;
    ScaffoldStatus = source.ScaffoldStatus;
    StandardValue = source.StandardValue;
    Us = source.Us;
    Uz = source.Uz;
    Wo = source.Wo;
}

double TWindload::CalUs()
{
    Phi = 1.2 * AN / Aw;
    switch (ScaffoldStatus) {
    case 0:
        return 1.2;
    case 1:
        return 1.0 * Phi;
    case 2:
        return 1.3 * Phi;
    default:
        return -1;
    }
}

double TWindload::CalUz() const
{
    return dm1().heightFactor(High, Coarse);
}

QStringList TWindload::coarseNames()
{
    return {QStringLiteral("A类(近海或湖岸区)"), QStringLiteral("B类(城市郊区)"),
            QStringLiteral("C类(有密集建筑群市区)"), QStringLiteral("D类(有密集建筑群且房屋较高市区)")};
}

QStringList TWindload::scaffoldStatusNames()
{
    return {QStringLiteral("敞开式脚手架"), QStringLiteral("全封闭式脚手架1.0φ"),
            QStringLiteral("敞开、框架和开洞墙1.3φ")};
}
