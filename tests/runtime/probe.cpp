#include "probe.h"

namespace {

rt::ControlDesign button(std::string_view name, std::string_view caption, int left, int tabIndex,
                         int index = -1)
{
    return {.kind = rt::Kind::Button,
            .name = name,
            .index = index,
            .left = float(left),
            .top = 120,
            .width = 900,
            .height = 400,
            .caption = caption,
            .tabIndex = tabIndex};
}

} // namespace

const rt::ScreenDesign& probeDesign()
{
    static const rt::ScreenDesign design{
        .caption = "Probe",
        .clientWidth = 4500,
        .clientHeight = 2400,
        .keyPreview = true,
        .controls = {
            button("cmdFirst", "&First", 120, 2),
            button("cmdSecond", "&Second", 1200, 1),
            button("cmdArray", "&Array", 2280, 3, 7),
            {.kind = rt::Kind::PictureBox,
             .name = "picBox",
             .left = 120,
             .top = 900,
             .width = 600,
             .height = 600,
             .back = rt::colour::black,
             .tabIndex = 4},
            {.kind = rt::Kind::Label,
             .name = "Label1",
             .left = 1200,
             .top = 900,
             .width = 1500,
             .height = 255,
             .caption = "Watching",
             .tabIndex = 0},
            {.kind = rt::Kind::Timer, .name = "Timer1", .interval = 50},
        }};
    return design;
}

const rt::ScreenDesign& plainDesign()
{
    static const rt::ScreenDesign design{.caption = "Plain",
                                         .clientWidth = 3000,
                                         .clientHeight = 1500,
                                         .controls = {button("cmdOnly", "&Only", 120, 0)}};
    return design;
}

ProbeForm::ProbeForm(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design,
                     QStringList& log)
    : rt::Form(registry, name, design)
    , log_(log)
{
    for (const rt::ControlDesign& control : design.controls) {
        const QString name = QString::fromUtf8(control.name.data(), control.name.size());
        if (control.kind == rt::Kind::Timer)
            onTimer(control.name, [this, name] { log_ << name + " tick"; });
        else if (control.kind == rt::Kind::Button && control.index >= 0)
            onClick(control.name, [this, name](int index) {
                log_ << QString("%1(%2) click").arg(name).arg(index);
            });
        else if (control.kind == rt::Kind::Button)
            onClick(control.name, [this, name] { log_ << name + " click"; });
    }
}

void ProbeForm::Form_Load()
{
    log_ << QString::fromUtf8(name().data(), name().size()) + " load";
}

void ProbeForm::Form_KeyUp(int keyCode, int shift)
{
    log_ << QString("keyup %1 %2").arg(keyCode).arg(shift);
}

void addProbes(rt::Registry& registry, QStringList& log)
{
    registry.add("frmProbe", [&log](rt::Registry& owner) {
        return std::make_unique<ProbeForm>(owner, "frmProbe", probeDesign(), log);
    });
    registry.add("frmPlain", [&log](rt::Registry& owner) {
        return std::make_unique<ProbeForm>(owner, "frmPlain", plainDesign(), log);
    });
}
