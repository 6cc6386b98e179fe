#include "interface/platform/qt/qt_print_surface.h"

#include <QFontMetrics>

namespace velmar {

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    painter_.begin(printer_.get());
}

PageMetrics QtPrintSurface::Metrics() const {
    const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_->pageRect(QPrinter::DevicePixel).toRect();
    return {page.left() - paper.left(),
            page.top() - paper.top(),
            paper.width(),
            paper.height(),
            page.width(),
            page.height(),
            printer_->logicalDpiY()};
}

bool QtPrintSurface::active() const {
    return painter_.isActive();
}

void QtPrintSurface::SetFont(const std::string& family, int points) {
    QFont font(QString::fromStdString(family), points);
    font.setStyleHint(QFont::SansSerif);
    painter_.setFont(font);
}

int QtPrintSurface::TextWidth(const std::string& text) const {
    return painter_.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int QtPrintSurface::TextHeight(const std::string&) const {
    return painter_.fontMetrics().height();
}

void QtPrintSurface::DrawText(int x, int y, const std::string& text) {
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), QString::fromStdString(text));
}

void QtPrintSurface::NewPage() {
    printer_->newPage();
}

bool QtPrintSurface::Finish() {
    return painter_.end();
}

}  // namespace velmar
