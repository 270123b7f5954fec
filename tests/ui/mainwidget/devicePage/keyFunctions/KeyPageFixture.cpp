#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "widgets/keyboardButCustom.h"

#include <QLabel>
#include <QMap>
#include <QStackedWidget>

#include <cstring>

namespace {

const char *const layerFiles[] = {"/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml"};

} // namespace

KeyPageFixture::KeyPageFixture()
{
    for (Layer layer : {DefaultLayer, FnLayer, MagneticLayer}) {
        const QByteArray file = path(layer);
        CVorlanXML_CreateXMLFile(file.constData());
        CVorlanXML_CreateProFileXmlParentNode(file.constData(), "1", "Profile 1", 0);
        CVorlanXML_CreateProFileXmlParentNode(file.constData(), "2", "Profile 2", 0);
    }
    DDataManager *data = DDataManager::instance();
    data->setCurrentProfileXmlPath(path(DefaultLayer).constData());
    data->setMagneticProfileXmlPath(path(MagneticLayer).constData());
    data->setCurrentProfileIndex(2);
    data->setMagneticKeyboard(false);
    data->setMagneticLayerActive(false);
    data->clearCurrentKey();
}

KeyPageFixture::~KeyPageFixture()
{
    DDataManager *data = DDataManager::instance();
    data->setKeyButtonMap({});
    data->setKeyInfoList({});
    data->clearCurrentKey();
}

QByteArray KeyPageFixture::path(Layer layer) const
{
    return (m_folder.path() + QLatin1String(layerFiles[layer])).toLocal8Bit();
}

void KeyPageFixture::setEntry(Layer layer, int profile, int keyCode, const char *type, const QByteArray &value,
                              const char *mode)
{
    CVorlanXML_AddProFileMacroWithKeyInfoItem(path(layer).constData(), QByteArray::number(profile).constData(),
                                              QByteArray::number(keyCode).constData(), "", type, "1", mode,
                                              value.constData());
}

KeyOperateInfo KeyPageFixture::entry(Layer layer, int profile, int keyCode) const
{
    KeyOperateInfo info;
    std::memset(&info, 0, sizeof info);
    std::strcpy(info.keyIndex, "-1");
    CVorlanXML_SelectProFileKeyOperateInfo(path(layer).constData(), QByteArray::number(profile).constData(),
                                           QByteArray::number(keyCode).constData(), &info);
    return info;
}

QString KeyPageFixture::entryText(Layer layer, int profile, int keyCode) const
{
    const KeyOperateInfo info = entry(layer, profile, keyCode);
    if (QByteArray(info.keyIndex) == "-1")
        return QString();
    return QString("%1:%2").arg(QString::fromLatin1(info.operateType), QString::fromUtf8(info.value));
}

QList<keyboardButCustom *> KeyPageFixture::makeKeyCaps(QWidget *parent, const QList<int> &codes)
{
    QList<keyboardButCustom *> caps;
    QMap<int, keyboardButCustom *> map;
    for (int column = 0; column < codes.size(); ++column) {
        auto *cap = new keyboardButCustom(parent);
        cap->setKeyInfo(codes[column], QString::number(codes[column]));
        cap->setMatrixIndex(0, column);
        caps.append(cap);
        map.insert(codes[column], cap);
    }
    DDataManager::instance()->setKeyInfoList(caps);
    DDataManager::instance()->setKeyButtonMap(map);
    return caps;
}

QLabel *KeyPageFixture::tabKeyLabel(QWidget *tab)
{
    const auto *stack = tab->findChild<QStackedWidget *>("stackedWidget_Customize");
    for (QLabel *label : tab->findChildren<QLabel *>("label_KeyChar")) {
        if (!stack || !stack->isAncestorOf(label))
            return label;
    }
    return nullptr;
}
