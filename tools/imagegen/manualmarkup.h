#ifndef KVR210C_IMAGEGEN_MANUALMARKUP_H
#define KVR210C_IMAGEGEN_MANUALMARKUP_H

#include <QList>
#include <QString>
#include <QStringList>

// The small markup the manual pages are written in (manual/pageN.txt):
//
//   # Title                 page title (one per page, first)
//   ## Heading              section heading
//   plain lines             a paragraph; consecutive lines are joined,
//                           a blank line ends it
//   - item                  bullet item
//   1. item                 numbered item (the number is kept as written)
//   Term :: description     definition row: term in a left column
//   > text                  note box
//   @picture NAME WIDTH     a device drawing (main, sw1 .. sw6) scaled to
//                           WIDTH pixels, centred; text after the width is
//                           its caption
//   // comment              ignored
//
// Items, rows and notes continue on following lines indented by two spaces.
// Inline: **bold** and `typed text` (monospaced).
namespace ManualMarkup {

enum class BlockType { Title, Heading, Paragraph, Bullet, Numbered, Definition, Note, Picture };

struct Block {
    BlockType type = BlockType::Paragraph;
    QString text; // inline-marked text of the block
    QString label; // item number, definition term or picture name
    int width = 0; // picture width in pixels
    int line = 0; // source line, for messages
};

// Splits one page into blocks; syntax errors are appended to errors.
QList<Block> parse(const QString& source, QStringList* errors);

} // namespace ManualMarkup

#endif
