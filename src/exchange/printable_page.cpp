// SPDX-License-Identifier: GPL-3.0-or-later
// One page template for every style and size; the builder fills in the
// charset, title and credit lines and replaces each cell's marker line.
#include "exchange/printable_page.h"

#include "exchange/clipboard_text.h"

namespace velmar {

namespace {

constexpr std::size_t kCharsetLine = 9;
constexpr std::size_t kTitleLine = 12;
constexpr std::size_t kCreditLine = 13;
constexpr std::size_t kFirstCellLine = 38;

constexpr std::string_view kCharset = "<meta http-equiv=\"Content-Type\" "
                                      "content=\"text/html;charset=utf8\"></head>"
                                      "<body bgcolor=\"white\">";
constexpr std::string_view kLabelStyle =
    "font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0)";

std::string CellMarker(int row, int col) {
    return "node" + std::to_string(row) + std::to_string(col);
}

// Cell texts are digits; anything else is written so that it cannot turn
// into markup.
std::string EscapedHtml(std::string_view text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

// The 3 x 3 box tables of the board, each named after its band letter and
// its place in the band, holding the marker lines of its nine cells.
void AddBoard(std::vector<std::string>& page) {
    page.push_back("<td><table style=\"border: 2px solid black\" cellpadding=\"0\" "
                   "cellspacing=\"0\">");
    for (int band = 0; band < 3; ++band) {
        page.push_back("<tr>");
        for (int stack = 0; stack < 3; ++stack) {
            page.push_back("<td style=\"border: 1px solid rgb(0, 0, 0); background-color: white; "
                           "font-family: verdana; font-size: 8pt;\">");
            page.push_back(std::string("<table id=\"") + static_cast<char>('A' + band) +
                           std::to_string(stack + 1) + "\" cellpadding=\"0\" cellspacing=\"0\">");
            for (int r = 1; r <= 3; ++r) {
                page.push_back("<tr>");
                for (int c = 1; c <= 3; ++c)
                    page.push_back(CellMarker(3 * band + r, 3 * stack + c));
                page.push_back("</tr>");
            }
            page.push_back("</table></td>");
        }
        page.push_back("</tr>");
    }
    page.push_back("</table></td></tr>");
}

} // namespace

PrintMetrics PrintMetricsFor(PaperSize size) {
    switch (size) {
    case PaperSize::Normal:
        return {100, 50, 15};
    case PaperSize::Big:
        return {115, 70, 20};
    case PaperSize::Small:
        break;
    }
    return {60, 22, 7};
}

std::vector<std::string> PrintPageTemplate(int rowHeightPx) {
    std::vector<std::string> page = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">",
        "<html>",
        "<head>",
        "<title>Sudoku</title>",
        "<meta name=\"generator\" content=\"Sudoku Velmar\">",
        "<style type=\"text/css\">",
        "@media print { body { margin: 0; } }",
        "</style>",
        "<!-- the charset line follows -->",
        std::string(kCharset),
        "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">",
        "<tr><td colspan=\"2\" align=\"left\">",
        "<!-- title -->",
        "<!-- credit -->",
        "</td></tr>",
        "<tr><td width=\"10\"></td>",
        "<td><table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr>",
    };
    for (int col = 1; col <= 9; ++col)
        page.push_back("<td align=\"center\" style=\"" + std::string(kLabelStyle) + "\">" +
                       std::to_string(col) + "</td>");
    page.push_back("</tr></table></td></tr>");
    page.push_back("<tr><td width=\"10\" valign=\"top\">"
                   "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
    for (int row = 0; row < 9; ++row)
        page.push_back("<tr><td height=\"" + std::to_string(rowHeightPx) +
                       "\" valign=\"middle\" style=\"" + std::string(kLabelStyle) + "\">" +
                       static_cast<char>('A' + row) + "</td></tr>");
    page.push_back("</table></td>");
    AddBoard(page);
    page.insert(page.end(), {"</table>", "</body>", "</html>"});
    return page;
}

std::string PrintCellHtml(const TPicNode& node, PrintStyle style, const PrintMetrics& metrics) {
    const bool open = node.State != kStateGiven && node.State != kStatePlaced;
    const std::string size = std::to_string(open ? metrics.candidatePt : metrics.digitPt);
    const std::string side = std::to_string(metrics.cellPx);
    std::string html = "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; "
                       "font-size: " +
                       size + "pt; color: " + (node.State == kStatePlaced ? "blue" : "black") +
                       "; width: " + side + "px; height: " + side + "px; text-align: ";
    if (!open) return html + "center;\">" + EscapedHtml(node.Text) + "</td>";
    html += "left; vertical-align: top;\">";
    if (style == PrintStyle::WithCandidates) html += EscapedHtml(node.Text);
    return html + " &nbsp;</td>";
}

std::vector<std::string> BuildPrintablePage(const BoardCells& board, PrintStyle style,
                                            PaperSize size, std::string_view title,
                                            std::string_view credit) {
    const PrintMetrics metrics = PrintMetricsFor(size);
    std::vector<std::string> page = PrintPageTemplate(metrics.cellPx);
    page[kCharsetLine] = kCharset;
    page[kTitleLine] = title;
    page[kCreditLine] = credit;
    for (int i = 0; i < 81; ++i) {
        const std::string marker = CellMarker(i / 9 + 1, i % 9 + 1);
        for (std::size_t line = kFirstCellLine; line < page.size(); ++line) {
            if (page[line].compare(0, marker.size(), marker) == 0) {
                page[line] = PrintCellHtml(board.at(i), style, metrics);
                break;
            }
        }
    }
    return page;
}

std::string PrintablePageText(const BoardCells& board, PrintStyle style, PaperSize size,
                              std::string_view title, std::string_view credit) {
    return JoinLines(BuildPrintablePage(board, style, size, title, credit), "\r\n");
}

} // namespace velmar
