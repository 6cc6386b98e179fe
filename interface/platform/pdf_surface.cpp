#include "interface/platform/pdf_surface.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <utility>

#include "project/file_replacement.h"

namespace velmar {
namespace {

constexpr int kUnitsPerPoint = 10;
constexpr int kPointsPerInch = 72;
constexpr int kPageWidth = 612 * kUnitsPerPoint;  // 8.5 by 11 inches
constexpr int kPageHeight = 792 * kUnitsPerPoint;
constexpr int kMargin = 36 * kUnitsPerPoint;

// Helvetica's advance widths in thousandths of the font's size, for the characters from the
// space to the tilde, as its published font metrics give them; Courier's are all 600.
constexpr int kHelveticaWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
constexpr int kCourierWidth = 600;
// Characters outside the table are written as a question mark.
constexpr char kUnprintable = '?';

char Printable(char c) {
    return c >= ' ' && c <= '~' ? c : kUnprintable;
}

bool IsFixedPitch(std::string family) {
    std::transform(family.begin(), family.end(), family.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* name : {"courier", "mono", "consolas", "fixed"})
        if (family.find(name) != std::string::npos) return true;
    return false;
}

// A PDF string: the text between parentheses, with its parentheses and backslashes escaped.
std::string PdfString(std::string_view text) {
    std::string quoted = "(";
    for (char c : text) {
        const char printable = Printable(c);
        if (printable == '(' || printable == ')' || printable == '\\') quoted += '\\';
        quoted += printable;
    }
    return quoted + ")";
}

std::string Points(int units) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", units / kUnitsPerPoint, units % kUnitsPerPoint);
    return text;
}

// The file's objects in order, numbered from 1, with the cross-reference table that finds them.
std::string PdfFile(const std::vector<std::string>& objects) {
    std::string file = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(file.size());
        file += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t table = file.size();
    file += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        file += entry;
    }
    file += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 2 0 R >>\n";
    return file + "startxref\n" + std::to_string(table) + "\n%%EOF\n";
}

}  // namespace

PdfSurface::PdfSurface(std::string path, std::string document_name)
    : path_(std::move(path)), document_name_(std::move(document_name)), pages_(1) {}

PageMetrics PdfSurface::Metrics() const {
    return {.left = kMargin,
            .top = kMargin,
            .page_width = kPageWidth,
            .page_height = kPageHeight,
            .printable_width = kPageWidth - 2 * kMargin,
            .printable_height = kPageHeight - 2 * kMargin,
            .dots_per_inch = kPointsPerInch * kUnitsPerPoint};
}

void PdfSurface::SetFont(const std::string& family, int points) {
    fixed_pitch_ = IsFixedPitch(family);
    points_ = points;
}

int PdfSurface::TextWidth(const std::string& text) const {
    long thousandths = 0;
    for (char c : text) thousandths += fixed_pitch_ ? kCourierWidth : kHelveticaWidths[Printable(c) - ' '];
    return static_cast<int>((thousandths * points_ * kUnitsPerPoint + 999) / 1000);
}

// A line and a fifth of the font's size, as word processors space single lines.
int PdfSurface::TextHeight(const std::string&) const {
    return points_ * kUnitsPerPoint * 6 / 5;
}

// The text's baseline lies about four fifths of the font's size below its top.
void PdfSurface::DrawText(int x, int y, const std::string& text) {
    const int baseline = kPageHeight - kMargin - y - points_ * kUnitsPerPoint * 4 / 5;
    pages_.back() += "BT /" + std::string(fixed_pitch_ ? "F2 " : "F1 ") + std::to_string(points_) + " Tf " +
                     Points(kMargin + x) + " " + Points(baseline) + " Td " + PdfString(text) + " Tj ET\n";
}

void PdfSurface::NewPage() {
    pages_.emplace_back();
}

// Objects: 1 the catalogue, 2 the document's information, 3 the page tree, 4 and 5 the fonts,
// then each page followed by its content.
bool PdfSurface::Finish() {
    const std::size_t first_page = 6;
    std::string kids;
    for (std::size_t i = 0; i < pages_.size(); ++i) kids += std::to_string(first_page + 2 * i) + " 0 R ";
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 3 0 R >>",
        "<< /Title " + PdfString(document_name_) + " /Producer (Velmar) >>",
        "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>"};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        objects.push_back("<< /Type /Page /Parent 3 0 R /MediaBox [0 0 " + Points(kPageWidth) + " " +
                          Points(kPageHeight) + "] /Resources << /Font << /F1 4 0 R /F2 5 0 R >> >> /Contents " +
                          std::to_string(first_page + 2 * i + 1) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(pages_[i].size()) + " >>\nstream\n" + pages_[i] +
                          "\nendstream");
    }
    FileReplacement file;
    return !file.Begin(path_) && !file.Write(PdfFile(objects)) && !file.Finish();
}

}  // namespace velmar
