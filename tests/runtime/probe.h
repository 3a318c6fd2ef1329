#pragma once

#include "runtime/form.h"
#include "runtime/registry.h"

#include <QStringList>

// Screens made for watching the runtime: they log every event their handlers get.
// frmProbe previews keys and has two buttons, an array button, a picture box, a
// label and a 50 ms timer; frmPlain has one button and no key preview.
class ProbeForm : public rt::Form {
public:
    ProbeForm(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design,
              QStringList& log);

private:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;

    QStringList& log_;
};

const rt::ScreenDesign& probeDesign();
const rt::ScreenDesign& plainDesign();

// Registers frmProbe and frmPlain, both logging into log.
void addProbes(rt::Registry& registry, QStringList& log);
