#include "config/gui/MainPanel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

QWidget* CreateMainPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName("MainPanel");
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(QObject::tr("Configuration editor"), panel));
    return panel;
}
