#pragma once
#include "FormaPrueba.h"
#include "SimProceso.h"
#include "app/ClienteSoap.h"
#include "shell/Navegacion.h"
#include "order/Modificadores.h"
#include "tables/EnvioComanda.h"
#include <QtTest>

/// The client as it runs: the real SOAP client against wstrazen-sim, its own documents
/// folder (or one of the test's, to start it again).
class FormaSim {
public:
    explicit FormaSim(const QString &wsdl)
        : soap(std::make_shared<ClienteSoap>()), p(FormaPrueba::iniCon(wsdl), soap), forma(&p.f)
    {
    }
    FormaSim(const QString &wsdl, const QString &carpeta, bool escribirIni = true)
        : soap(std::make_shared<ClienteSoap>()),
          p(escribirIni ? FormaPrueba::iniCon(wsdl) : QString(), FormaPrueba::EnCarpeta{carpeta}, soap), forma(&p.f)
    {
    }
    TTabbedForm &f() { return *forma; }
    Controles &c() { return forma->controles; }
    Estado &e() { return forma->estado; }

    bool esperar(int ms = 30000) { return p.esperarTarea(ms); }
    /// Taps the tile of that caption (the first line of it) and waits for what it starts.
    bool tocar(TileList &lista, const QString &caption)
    {
        for (int i = 0; i < lista.count(); ++i)
            if (lista.tile(i).caption.section(u'\r', 0, 0).compare(caption, Qt::CaseInsensitive) == 0) {
                lista.click(i);
                return esperar();
            }
        return false;
    }
    QStringList mensajes() { return p.mensajes(); }
    QString insignia(const QString &mesa)
    {
        for (int i = 0; i < c().ListaMesa.count(); ++i)
            if (c().ListaMesa.tile(i).caption == mesa)
                return c().ListaMesa.tile(i).badge;
        return QStringLiteral("?");
    }
    /// Signs "mesero" in; true when signed in.
    bool entrar()
    {
        c().iUser.setText(QStringLiteral("mesero"));
        c().iPass.setText(QStringLiteral("1234"));
        f().navegacion().OKBtnClick();
        return esperar() && e().IsLogged;
    }
    /// "Surtir Comanda", answered Yes, and waits for the send.
    bool surtir()
    {
        c().EnviarPedidoBtn.click();
        f().dialogos.responder(QStringLiteral("Yes"));
        return esperar();
    }

    std::shared_ptr<ClienteSoap> soap;

private:
    FormaPrueba p;
    TTabbedForm *forma;
};

/// Signs "mesero" in and composes on "Terraza 1": two orders of tacos with a modifier
/// and a free note, and a soft drink found by a search; ends on the comanda screen.
inline void Componer(FormaSim &p)
{
    auto &c = p.c();
    QVERIFY2(p.entrar(), qPrintable(p.mensajes().join(u'|')));
    c.Tile.click(1); // "Nueva Comanda"
    QVERIFY(p.esperar());
    QVERIFY(p.tocar(c.ListaMesa, QStringLiteral("Terraza 1")));
    QVERIFY(p.tocar(c.ListaCat, QStringLiteral("Antojitos")));
    QVERIFY(p.tocar(c.ListaSubCat, QStringLiteral("Tacos")));
    QVERIFY(p.tocar(c.ListaPro, QStringLiteral("Tacos al Pastor")));
    c.Cantidad.edit(QStringLiteral("2"));
    c.AddPed.click(); // it has modifiers: the modifier screen opens
    QVERIFY(c.ListaMod.visible());
    QVERIFY(p.tocar(c.ListaMod, QStringLiteral("Con piña")));
    c.ListaMod.click(Modificadores::TileOtro);
    c.ModPer.edit(QStringLiteral("Bien dorados"));
    c.ModPerBtn.click();
    c.ListaMod.click(Modificadores::TileTerminar);
    QCOMPARE(p.f().estado.PedidoActual.Count, 1);

    c.TextoP.edit(QStringLiteral("Refresco de Cola"));
    c.BuscarProBtn.click();
    QVERIFY(p.esperar());
    QVERIFY(p.tocar(c.ListaPro, QStringLiteral("Refresco de Cola")));
    c.AddPed.click(); // its modifiers are offered; none is chosen
    QVERIFY(c.ListaMod.visible());
    c.ListaMod.click(Modificadores::TileTerminar);
    QCOMPARE(p.f().estado.PedidoActual.Count, 2);
    QCOMPARE(p.mensajes(), QStringList());
    c.ComandaBtn.click();
    QCOMPARE(p.f().activeTab(), QStringLiteral("TabComanda"));
}

/// The comandas the server stored for that customer.
inline QJsonArray ComandasDe(SimProceso &sim, const QString &cliente)
{
    QJsonArray r;
    for (const QJsonValue &c : sim.comandas())
        if (c[QStringLiteral("cliente")].toString() == cliente)
            r.append(c);
    return r;
}
