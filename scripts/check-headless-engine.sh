#!/usr/bin/env bash
# The engine, and the station library on it, build on Qt Core and Qt SerialPort
# (the station library also on Qt SQL) alone: none of their files may include a generated form (ui_*.h), <QWidget> or
# anything of Qt Widgets or Qt Gui.
set -euo pipefail
dir=${1:?usage: check-headless-engine.sh DIR [NAME]}
name=${2:-engine}
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](ui_[^">]*\.h|QtWidgets/[^>]*|QtGui/[^>]*|QWidget|QApplication|QGuiApplication|QDialog|QMainWindow|QButtonGroup|QAbstractButton|QPushButton|QLineEdit|QMessageBox|QPixmap|QImage|QPainter|QColor|QFont|QIcon)[">]'
if found=$(grep -rnE "$pattern" "$dir" --include='*.h' --include='*.cpp'); then
    echo "The $name reaches for the desktop:" >&2
    echo "$found" >&2
    exit 1
fi
echo "$name: no form, widget or GUI header in $(find "$dir" -name '*.h' -o -name '*.cpp' | wc -l) files"
