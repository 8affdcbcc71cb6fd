#pragma once
// Toolbars of the language pack: lang/toolbars/<id>.toolbar with its image lang/toolbars/<id>.png,
// a strip of square tiles, one per button in order.
//
//   toolbar 128
//   button 40024
//   separator
//   button 40011

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

struct ToolbarTemplate {
    static constexpr int kSeparator = 0;

    unsigned id = 0;
    QList<int> commands; // kSeparator between groups

    // The number of buttons (separators not counted).
    int ButtonCount() const;
};

bool ParseToolbarTemplate(const QString& text, const QString& sourceName, ToolbarTemplate& out, QString& error);
QString ToolbarTemplatePath(unsigned toolbarId);
QString ToolbarImagePath(unsigned toolbarId);
// A missing or malformed toolbar gives nullopt, its reason in error (when given) and in the trace log.
std::optional<ToolbarTemplate> LoadToolbarTemplate(unsigned toolbarId, QString* error = nullptr);
// Tile index of the image strip; a null image when the strip is missing or too short (traced).
QImage ToolbarTile(const QImage& strip, int index);
