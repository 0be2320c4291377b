#pragma once

#include <QIdentityProxyModel>
#include <QPixmap>

namespace fennick {

// The mod list as the list view shows it: each item with the folder
// picture of its image number (1 a plain folder, 2 a mod with settings).
class ModListIcons : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit ModListIcons(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QPixmap plain_;
    QPixmap described_;
};

} // namespace fennick
