#include "app/ton.h"

#include "app/glapp.h"
#include "core/central.h"
#include "core/kommentar.h"
#include "core/seams.h"
#include "platform/msgsink.h"
#include "sound/isg.h"
#include "sound/scode.h"
#include "sound/snd.h"
#include "table/tischhooks.h"

namespace ton {

TSCReader* scode = nullptr;
TSoundContainer* snd = nullptr;

namespace {

void log(const std::string& line) {
    if (glapp::glapp) glapp::glapp->wrp2(line);
}

TSoundContainer::Optionen optionen() {
    TSoundContainer::Optionen o;
    if (const glapp::Tglapp* a = glapp::glapp) {
        // The values in force; before the first apply the dialog's choice.
        const int32_t* v = a->AppliedVolumes[0] || a->AppliedVolumes[1] || a->AppliedVolumes[2]
                               ? a->AppliedVolumes
                               : a->Volumes;
        o.effekte = v[0];
        o.stimmen = v[1];
        o.musik = v[2];
        o.musikWahl = a->AppliedMusic ? a->AppliedMusic : a->Music;
    }
    return o;
}

}  // namespace

void erstellen(const std::filesystem::path& programmOrdner) {
    isg::setLog(log);
    if (!scode) {
        TSCReader::Melder m;
        m.meldung = [](const std::string& t) { msgsink::show(t); };
        m.log = log;
        scode = new TSCReader(programmOrdner, m);
    }
    if (!snd) {
        TSoundContainer::Umgebung u;
        u.ordner = programmOrdner;
        u.optionen = optionen;
        u.schliesst = [] { return glapp::glapp && glapp::glapp->closing(); };
        u.schnell = [] { return central::dienste.schnellModus && central::dienste.schnellModus(); };
        u.log = log;
        u.einfrieren = [](bool an) {
            if (glapp::glapp) glapp::glapp->setfreeze(an ? 1 : 0);
        };
        snd = new TSoundContainer(std::move(u));
    }
    central::kommentarZuruecksetzen();
    seams::ton.sprachQueue = [](int seat) { return snd ? snd->sprachQueue(seat) : 0; };
    seams::ton.sprachEinreihen = [](const std::string& datei, const std::string& text, int seat) {
        if (snd) snd->sprachEinreihen(datei, text, seat);
    };
    seams::ton.satzHolen = [](int stimme, int code) {
        return scode ? scode->satzHolen(code, stimme) : std::string();
    };
    tischhooks::tab().effekt = [](int nr, int stack, int slot) { effekt(nr, stack, slot); };
}

void musikEinstellen(bool restart) {
    if (snd) snd->musikEinstellen(restart);
}

void musikSchliessen() {
    try {
        if (snd) snd->musikSchliessen();
    } catch (...) {
        // Shut-down goes on whatever the player says.
    }
}

void guiTon(int nr) { effekt(nr, 0, 0); }

void effekt(int nr, int stack, int slot) {
    if (snd) snd->effekt(nr, stack, slot);
}

void schritt() {
    if (snd) snd->schritt();
}

void sndFreigeben() {
    delete snd;
    snd = nullptr;
}

void scodeFreigeben() {
    delete scode;
    scode = nullptr;
}

}  // namespace ton
