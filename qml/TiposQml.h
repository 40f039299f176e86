#pragma once
// The main window's model as the screens see it: the form, its dialogs, its controls and
// its controllers, each one a QML type of the module "Trazen" that the screens name in
// their properties, so that the engine and qmllint know what each one offers. None is
// made from QML: they all belong to the form.
#include "app/ActivityDialog.h"
#include "app/Ajustes.h"
#include "app/Control.h"
#include "app/Dialogos.h"
#include "app/ListaVista.h"
#include "app/Forma.h"
#include "app/TileList.h"
#include "catalogue/Catalogo.h"
#include "kitchen/Resumen.h"
#include "kitchen/Surtido.h"
#include "order/LineasPedido.h"
#include "order/Modificadores.h"
#include "session/Sesion.h"
#include "shell/Navegacion.h"
#include "shell/TTabbedForm.h"
#include "tables/ComandasAbiertas.h"
#include "tables/EnvioComanda.h"
#include "tables/Mesas.h"
#include <QAbstractListModel>
#include <QtQml/qqml.h>

// The bases of the tile lists and list views, which no module of Qt 6.4 describes whole:
// without them a list is not seen as a QObject, nor its page as a model.
struct QAbstractItemModelQml {
    Q_GADGET
    QML_FOREIGN(QAbstractItemModel)
    QML_ANONYMOUS
};

struct QAbstractListModelQml {
    Q_GADGET
    QML_FOREIGN(QAbstractListModel)
    QML_ANONYMOUS
};

// The model the window is built on: its properties and handlers are the window's.
struct FormaQml {
    Q_GADGET
    QML_FOREIGN(Forma)
    QML_ANONYMOUS
};

struct TTabbedFormQml {
    Q_GADGET
    QML_FOREIGN(TTabbedForm)
    QML_NAMED_ELEMENT(TTabbedForm)
    QML_UNCREATABLE("The main window's model is made by the program.")
};

struct DialogosQml {
    Q_GADGET
    QML_FOREIGN(Dialogos)
    QML_NAMED_ELEMENT(Dialogos)
    QML_UNCREATABLE("The form's message dialogs.")
};

struct ActivityDialogQml {
    Q_GADGET
    QML_FOREIGN(ActivityDialog)
    QML_NAMED_ELEMENT(ActivityDialog)
    QML_UNCREATABLE("The form's activity dialog.")
};

// "Control" is taken by Qt Quick Controls: the model's control is a TzControl, as the
// components bound to one are TzButton, TzField, TzSpin, TzSwitch and TzCombo.
struct ControlQml {
    Q_GADGET
    QML_FOREIGN(Control)
    QML_NAMED_ELEMENT(TzControl)
    QML_UNCREATABLE("A control belongs to the form.")
};

struct TileListQml {
    Q_GADGET
    QML_FOREIGN(TileList)
    QML_NAMED_ELEMENT(TileList)
    QML_UNCREATABLE("A tile list belongs to the form.")
};

struct ListaVistaQml {
    Q_GADGET
    QML_FOREIGN(ListaVista)
    QML_NAMED_ELEMENT(ListaVista)
    QML_UNCREATABLE("A list view belongs to the form.")
};

// The controllers: the handlers the screens call directly.
struct NavegacionQml {
    Q_GADGET
    QML_FOREIGN(Navegacion)
    QML_NAMED_ELEMENT(Navegacion)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct AjustesQml {
    Q_GADGET
    QML_FOREIGN(Ajustes)
    QML_NAMED_ELEMENT(Ajustes)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct SesionQml {
    Q_GADGET
    QML_FOREIGN(Sesion)
    QML_NAMED_ELEMENT(Sesion)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct CatalogoQml {
    Q_GADGET
    QML_FOREIGN(Catalogo)
    QML_NAMED_ELEMENT(Catalogo)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct LineasPedidoQml {
    Q_GADGET
    QML_FOREIGN(LineasPedido)
    QML_NAMED_ELEMENT(LineasPedido)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct ModificadoresQml {
    Q_GADGET
    QML_FOREIGN(Modificadores)
    QML_NAMED_ELEMENT(Modificadores)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct MesasQml {
    Q_GADGET
    QML_FOREIGN(Mesas)
    QML_NAMED_ELEMENT(Mesas)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct EnvioComandaQml {
    Q_GADGET
    QML_FOREIGN(EnvioComanda)
    QML_NAMED_ELEMENT(EnvioComanda)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct ComandasAbiertasQml {
    Q_GADGET
    QML_FOREIGN(ComandasAbiertas)
    QML_NAMED_ELEMENT(ComandasAbiertas)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct SurtidoQml {
    Q_GADGET
    QML_FOREIGN(Surtido)
    QML_NAMED_ELEMENT(Surtido)
    QML_UNCREATABLE("A controller belongs to the form.")
};

struct ResumenQml {
    Q_GADGET
    QML_FOREIGN(Resumen)
    QML_NAMED_ELEMENT(Resumen)
    QML_UNCREATABLE("A controller belongs to the form.")
};
