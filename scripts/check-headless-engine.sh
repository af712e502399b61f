#!/usr/bin/env bash
# The engine builds on Qt Core and Qt SerialPort alone: none of its files may
# include a generated form (ui_*.h), <QWidget> or anything of Qt Widgets or Qt Gui.
set -euo pipefail
dir=${1:?usage: check-headless-engine.sh ENGINE_DIR}
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](ui_[^">]*\.h|QtWidgets/[^>]*|QtGui/[^>]*|QWidget|QApplication|QGuiApplication|QDialog|QMainWindow|QButtonGroup|QAbstractButton|QPushButton|QLineEdit|QMessageBox|QPixmap|QImage|QPainter|QColor|QFont|QIcon)[">]'
if found=$(grep -rnE "$pattern" "$dir" --include='*.h' --include='*.cpp'); then
    echo "The engine reaches for the desktop:" >&2
    echo "$found" >&2
    exit 1
fi
echo "engine: no form, widget or GUI header in $(find "$dir" -name '*.h' -o -name '*.cpp' | wc -l) files"
