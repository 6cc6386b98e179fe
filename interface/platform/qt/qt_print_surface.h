// Printing onto a QPrinter, which also prints to PDF.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "interface/platform/print_surface.h"

namespace velmar {

class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
    // False when the printer or file could not be opened for drawing.
    bool active() const;

    PageMetrics Metrics() const override;
    void SetFont(const std::string& family, int points) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    void DrawText(int x, int y, const std::string& text) override;
    void NewPage() override;
    bool Finish() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

}  // namespace velmar
