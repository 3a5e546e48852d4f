#pragma once

#include "ReportText.h"

#include <QString>
#include <QTextCharFormat>
#include <QVariantList>
#include <memory>

class QImage;
class QTextDocument;

// The calculation book being written: a rich-text document that is only ever appended to, with the writer
// operations every calculation uses. Each line is one paragraph; the document's last paragraph is always the
// empty one the next line goes into.
class ReportDocument
{
public:
    ReportDocument();
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    QTextDocument& document() { return *m_document; }
    const QTextDocument& document() const { return *m_document; }

    // Indent codes 0-5 put 13, 3, 8, 14, 16 or 30 blanks before a line; any other code none.
    static int indentBlanks(int indent);
    // The character format of a style (0 title, 1 section heading, 2 pass, 3 body, 4 bold body, 5 failure,
    // 6 large heading, 7 conclusions heading) applied to `format`; codes above 7 set only the face.
    static void applyStyle(QTextCharFormat& format, int style);

    // Removes all content; base and current format become style 3.
    void Clear();
    // The format every line starts from unless a style is selected just before it.
    void setBaseStyle(int style);
    // Applies a style to the format of the next line only.
    void SetTextStyle(int style);

    // Indent blanks, then the text with its "$"/"#" markup applied, as one line; CR LF inside starts a new
    // paragraph, so a text ending in CR LF leaves an empty line after it.
    void AddLine(const ReportText& text, int indent);
    void AddLine(const QString& text, int indent) { AddLine(ReportText(text), indent); }
    void AddText(const ReportText& text, int style, int indent);
    void AddText(const QString& text, int style, int indent) { AddText(ReportText(text), style, indent); }
    void AddFormat(const QString& format, int style, int indent, const QVariantList& args);
    // The text as one line: no indent, no markup.
    void AddRawLine(const QString& text);
    void AddBlankLine();
    // A line of the indent's blanks with the picture after them. The path is resolved without regard to letter
    // case and with either slash; a picture that cannot be loaded throws YsError.
    void AddPicture(const QString& path, int indent);
    // The same with a picture drawn by the program (a sketch, a diagram).
    void AddImage(const QImage& image, int indent);
    // Appends all of `other`, formats and pictures included.
    void appendDocument(const ReportDocument& other);

    // One call, one line: line(indent, "σ=", sigma, " N/mm#2#\r\n").
    template<class... Pieces> void line(int indent, const Pieces&... pieces) { AddLine(ReportText(pieces...), indent); }
    template<class... Pieces> void text(int style, int indent, const Pieces&... pieces)
    {
        AddText(ReportText(pieces...), style, indent);
    }

    // The whole text, one paragraph per line (tests, plain-text export).
    QString plainText() const;
    bool isEmpty() const;

private:
    void appendPlain(const QString& text, const QTextCharFormat& format);
    void finishLine();

    std::unique_ptr<QTextDocument> m_document;
    QTextCharFormat m_base;
    QTextCharFormat m_current;
};
