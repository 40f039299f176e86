#include "Recorrido.h"
#include "SimProceso.h"

class TstRecorridoServidor : public QObject {
    Q_OBJECT
private slots:
    void turnoCompleto() { QSKIP("en construccion"); }
};

QTEST_MAIN(TstRecorridoServidor)
#include "tst_recorrido_servidor.moc"
