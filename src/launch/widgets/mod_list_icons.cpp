#include "launch/widgets/mod_list_icons.h"

#include "launch/mod_list.h"
#include "launch/widgets/panel_look.h"

namespace fennick {

ModListIcons::ModListIcons(QObject* parent)
    : QIdentityProxyModel(parent), plain_(QPixmap::fromImage(PanelLook::folderImage(1))),
      described_(QPixmap::fromImage(PanelLook::folderImage(2))) {}

QVariant ModListIcons::data(const QModelIndex& index, int role) const {
    if (role != Qt::DecorationRole)
        return QIdentityProxyModel::data(index, role);
    const QVariant image = QIdentityProxyModel::data(index, ModList::ImageRole);
    if (!image.isValid())
        return {};
    return image.toInt() == 2 ? described_ : plain_;
}

} // namespace fennick
