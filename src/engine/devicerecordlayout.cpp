#include "devicerecordlayout.h"

#include <QCoreApplication>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DeviceRecordLayout)
};

} // namespace

namespace DeviceRecordLayout {

QList<int> layerOrder(int links)
{
    QList<int> layers{FirstLayer, SecondLayer};
    for (int link = FirstLink; link <= links; ++link) {
        layers.append(link);
    }
    return layers;
}

QList<QPair<int, int>> recordOrder(int keys, int links)
{
    const QList<int> layers = layerOrder(links);
    QList<QPair<int, int>> order;
    for (int key = 1; key <= keys; ++key) {
        for (int layer : layers) {
            order.append({key, layer});
        }
    }
    return order;
}

int linkLayer(int number)
{
    if (number >= FirstLink && number <= Links) {
        return number;
    }
    const int layer = number - FirstLinkButton + FirstLink;
    return layer >= FirstLink && layer <= Links ? layer : 0;
}

QString recordName(int key, int layer)
{
    if (layer == FirstLayer) {
        return Text::tr("Key %1").arg(key);
    }
    if (layer == SecondLayer) {
        return Text::tr("Key %1, second layer").arg(key);
    }
    return Text::tr("Key %1, link %2").arg(key).arg(linkButton(layer));
}

} // namespace DeviceRecordLayout
