#include "chart/drawing/readout_texts.h"

#include "core/numbers/text_format.h"
#include "ui/qt_text.h"

namespace qv {

namespace {
QString Fixed4(Real value) {
    return Q(Format("%5.4f", {value}));
}
} // namespace

QString ReflectionStatusText(const ReflectionFigures& f) {
    return ReadoutText::tr("电压反射系数%1:%2>衰减(插损)%3db>电压驻波比%4>功率反射系数>%5%>功率反射衰减%6db")
        .arg(Fixed4(f.gamma.re), Fixed4(f.gamma.im), Fixed4(f.mismatchDb), Fixed4(f.vswr),
             Fixed4(100 * f.powerRatio), Fixed4(f.reflectedDb));
}

std::array<QString, ReflectionLineCount> ReflectionLines(const ReflectionFigures& f) {
    return {
        ReadoutText::tr("电压反射系数=%1:%2").arg(Fixed4(f.gamma.re), Fixed4(f.gamma.im)),
        ReadoutText::tr("衰                减=%1").arg(Fixed4(f.mismatchDb)),
        ReadoutText::tr("电 压 驻 波 比=%1").arg(Fixed4(f.vswr)),
        ReadoutText::tr("功率反射系数=%1%").arg(Fixed4(100 * f.powerRatio)),
        ReadoutText::tr("功率反射衰减=%1db").arg(Fixed4(f.reflectedDb)),
    };
}

QString ElementCountText(int count) {
    return ReadoutText::tr("接入元件%1").arg(count);
}

} // namespace qv
