#include "manualmarkup.h"

#include <QRegularExpression>

using ManualMarkup::Block;
using ManualMarkup::BlockType;

QList<Block> ManualMarkup::parse(const QString& source, QStringList* errors)
{
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\.\\s+(.*)$"));
    static const QRegularExpression picture(QStringLiteral("^@picture\\s+(\\S+)\\s+(\\d+)\\s*(.*)$"));

    QList<Block> blocks;
    bool open = false; // the last block still takes continuation lines

    const QStringList lines = source.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        line.remove(QLatin1Char('\r'));
        const QString trimmed = line.trimmed();
        const int lineNo = i + 1;

        if (trimmed.isEmpty()) {
            open = false;
            continue;
        }
        if (trimmed.startsWith(QLatin1String("//")))
            continue;

        const bool indented = line.startsWith(QLatin1String("  "));
        if (open && (indented || blocks.last().type == BlockType::Paragraph) && !trimmed.startsWith(QLatin1String("- "))
            && !trimmed.startsWith(QLatin1Char('#')) && !trimmed.startsWith(QLatin1Char('@'))
            && !trimmed.contains(QLatin1String(" :: ")) && !numbered.match(trimmed).hasMatch()
            && !(trimmed.startsWith(QLatin1String("> ")) && blocks.last().type != BlockType::Note)) {
            QString more = trimmed;
            if (blocks.last().type == BlockType::Note && more.startsWith(QLatin1String("> ")))
                more = more.mid(2);
            blocks.last().text += QLatin1Char(' ') + more;
            continue;
        }

        Block block;
        block.line = lineNo;
        open = true;
        if (trimmed.startsWith(QLatin1String("## "))) {
            block.type = BlockType::Heading;
            block.text = trimmed.mid(3).trimmed();
            open = false;
        } else if (trimmed.startsWith(QLatin1String("# "))) {
            block.type = BlockType::Title;
            block.text = trimmed.mid(2).trimmed();
            open = false;
        } else if (trimmed.startsWith(QLatin1String("- "))) {
            block.type = BlockType::Bullet;
            block.text = trimmed.mid(2).trimmed();
        } else if (trimmed.startsWith(QLatin1String("> "))) {
            block.type = BlockType::Note;
            block.text = trimmed.mid(2).trimmed();
        } else if (trimmed.startsWith(QLatin1Char('@'))) {
            const auto m = picture.match(trimmed);
            if (!m.hasMatch()) {
                errors->append(QStringLiteral("line %1: bad directive \"%2\"").arg(lineNo).arg(trimmed));
                continue;
            }
            block.type = BlockType::Picture;
            block.label = m.captured(1);
            block.width = m.captured(2).toInt();
            block.text = m.captured(3).trimmed();
            open = false;
        } else if (const auto m = numbered.match(trimmed); m.hasMatch()) {
            block.type = BlockType::Numbered;
            block.label = m.captured(1) + QLatin1Char('.');
            block.text = m.captured(2).trimmed();
        } else if (const int sep = trimmed.indexOf(QLatin1String(" :: ")); sep > 0) {
            block.type = BlockType::Definition;
            block.label = trimmed.left(sep).trimmed();
            block.text = trimmed.mid(sep + 4).trimmed();
        } else {
            block.type = BlockType::Paragraph;
            block.text = trimmed;
        }
        blocks.append(block);
    }
    return blocks;
}
