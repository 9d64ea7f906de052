#include "game/frmPoker.h"

#include "stats/frmDataView.h"

void frmPoker::ShowDataView() {
    frmDataView view(this);
    view.exec();
}
