// A program using vesk-forms as an application would, without a terminal:
// it builds a small tree, reads texts back and names the version it was
// built against. Every consumer in this folder builds and runs it.
#include <cstdio>
#include <memory>
#include <string>

#include "forms/Forms.h"
#include "vesk/Format.h"

using namespace Vesk::Forms;

int main() {
    Page page;
    Container box;
    Button ok;
    Label label;
    ok.text("OK");
    std::unique_ptr<std::string> stored(label.text("Grüße, 世界"));
    if (!page.attachChild(&box) || !box.attachChild(&ok) || !box.attachChild(&label)) {
        std::puts("attach refused");
        return 1;
    }
    page.activeControl(&ok);
    std::unique_ptr<std::string> line(
        Vesk::String::Format("%d controls, active %s", page.controlCount(),
                             page.activeControl() == &ok ? "ok" : "wrong"));
    std::unique_ptr<std::string> text(label.text());
    if (*line != "3 controls, active ok" || *text != "Grüße, 世界" || Session::running()) {
        std::printf("unexpected: %s / %s\n", line->c_str(), text->c_str());
        return 1;
    }
    std::printf("vesk-forms %s (%d.%d.%d): %s\n", VESK_FORMS_VERSION, VESK_FORMS_VERSION_MAJOR,
                VESK_FORMS_VERSION_MINOR, VESK_FORMS_VERSION_PATCH, line->c_str());
    return 0;
}
