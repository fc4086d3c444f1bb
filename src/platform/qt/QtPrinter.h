#pragma once
#include "platform/Printer.h"

#include <QPrinter>

namespace pendrel {

// Prints the steps laid out by the core on a QPrinter, one text line after
// the other from the top of the page.
class QtPrinter : public Printer {
public:
    bool choosePrinter() override;
    bool print(const QList<PrintStep> &steps) override;

private:
    QPrinter m_printer{QPrinter::HighResolution};
};

} // namespace pendrel
