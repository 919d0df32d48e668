#include "pipeline/imlochi.h"

#include <string>

#include "engine/ogir.h"
#include "pipeline/boy_nusxa.h"
#include "pipeline/jurnal.h"

namespace harfnur {

void Imlochi::tugma(const Platforma& p, std::uint16_t kod, std::uint64_t bayroqlar) {
    p.tugmalar.bos(kod, bayroqlar);
    p.soat.uxla(tugmaTinishi);
}

void Imlochi::qoyibYuborilishiniKut(const Platforma& p) {
    const port::Mikro muddat = p.soat.hozir() + qoyishChegarasi;
    while (p.soat.hozir() < muddat) {
        if (!(p.tugmalar.ushlanganBayroqlar() & hodisa::shiftBayrogi)) return;
        p.soat.uxla(qoyishOraligi);
    }
}

bool Imlochi::nusxalandimi(const Platforma& p, std::optional<std::uint16_t> oldin) {
    const std::int64_t oldinSoni = p.bufer.ozgarishSoni();
    if (oldin) {
        tugma(p, *oldin);
        // The first copy landed late, after the select-all: what it holds is
        // the old selection, which a paste would now put over the whole
        // field. Nothing can be told apart any more, so nothing is pasted.
        if (p.bufer.ozgarishSoni() != oldinSoni) return false;
    }
    tugma(p, hodisa::kodC);
    const port::Mikro muddat = p.soat.hozir() + nusxaChegarasi;
    if (!(p.soat.hozir() < muddat)) return false;
    for (;;) {
        if (p.bufer.ozgarishSoni() != oldinSoni) return true;
        p.soat.uxla(nusxaOraligi);
        if (!(p.soat.hozir() < muddat)) return false;
    }
}

bool Imlochi::oqildimi(const Platforma& p, std::int64_t oldin) {
    const port::Mikro muddat = p.soat.hozir() + oqishChegarasi;
    for (;;) {
        if (p.bufer.oqilishSoni() != oldin) return true;
        if (!(p.soat.hozir() < muddat)) return false;
        p.soat.uxla(oqishOraligi);
    }
}

void Imlochi::maydonniOgir(const Platforma& p) {
    jurnal(p, birlashtir({"ikki marta Shift: ogirish boshlandi, ruxsat=", mantiqiy(p.ishonch.ishonchlimi())}));
    if (!p.ishonch.ishonchlimi()) return;
    qoyibYuborilishiniKut(p);

    // Everything the pasteboard held, in every representation, so that it
    // comes back whole, not only as plain text.
    const port::BuferNusxasi oldingi = p.bufer.olish();
    if (oldingi.oqilmadi > 0)  // how many, never what
        jurnal(p, birlashtir({"bufer: ", std::to_string(oldingi.oqilmadi), " tur o'qilmadi"}));
    // An editor that copies the current line when nothing is selected has
    // not copied a selection: the whole field is selected instead.
    auto tanlovNusxalandimi = [&p] {
        return nusxalandimi(p, std::nullopt) && !bosTanlovdanmi(p.bufer.olish(muharrirTurimi));
    };
    const std::int64_t boshSoni = p.bufer.ozgarishSoni();
    if (!tanlovNusxalandimi() && !nusxalandimi(p, hodisa::kodA)) {
        jurnal(p, "nusxalab bo'lmadi");
        // Our copies never changed the pasteboard: it is left alone. A copy
        // that landed too late did: the earlier content goes back.
        if (p.bufer.ozgarishSoni() != boshSoni && !oldingi.boshmi()) p.bufer.qaytar(oldingi);
        return;
    }
    const std::int64_t nusxaSoni = p.bufer.ozgarishSoni();
    const std::optional<std::string> nusxa = p.bufer.matn();
    // The earlier content goes back only while the pasteboard still holds
    // what this conversion put there, or a late landing of its own copy (the
    // copied text again): whatever the user copies meanwhile is never
    // overwritten. With nothing earlier, the pasteboard keeps what it holds.
    auto qaytar = [&](std::int64_t bizniki) {
        if (oldingi.boshmi()) return;
        if (p.bufer.ozgarishSoni() == bizniki || (nusxa && p.bufer.matn() == nusxa)) p.bufer.qaytar(oldingi);
    };
    if (!nusxa) {
        jurnal(p, "nusxalab bo'lmadi");
        qaytar(nusxaSoni);
        return;
    }
    const std::string ogirilgan = ogir(*nusxa);
    const bool ozgaradi = !tengmi(ogirilgan, *nusxa);
    jurnal(p, birlashtir({"nusxalandi: ", std::to_string(belgiSoni(*nusxa)), " belgi, o'zgaradi=", mantiqiy(ozgaradi)}));
    if (!ozgaradi) {
        qaytar(nusxaSoni);
        return;
    }
    // Rich text goes back converted beside the plain text, so formatting,
    // tables and pictures survive; what cannot go back stops the paste.
    const BoyYozuv boy = boylarniOgir(p.bufer.olish(oqiladiganTurmi), harflarniSana(*nusxa).kirillmi());
    if (boy.rad) {
        jurnal(p, "qo'yilmadi: " + *boy.rad);
        qaytar(nusxaSoni);
        return;
    }
    // The rich text read must be the same copy as the plain text: a later
    // landing (our select-all copy, or the user's) would pair another
    // item's formatting with this text.
    if (p.bufer.ozgarishSoni() != nusxaSoni) {
        jurnal(p, "qo'yilmadi: bufer o'zgardi");
        qaytar(nusxaSoni);
        return;
    }
    p.bufer.yoz(ogirilgan, boy.boylar);
    const std::int64_t yozilganSoni = p.bufer.ozgarishSoni();
    // A target that must not be pasted into at once (LibreOffice) is waited
    // for first, so what clipboard managers read meanwhile is not taken for
    // the target's read.
    p.tugmalar.qoyishdanOldin();
    const std::int64_t oqilgan = p.bufer.oqilishSoni();
    tugma(p, hodisa::kodV);
    // The earlier content, possibly a password, must not be what a slow
    // target pastes: it goes back only once the target has read ours.
    if (!oqildimi(p, oqilgan)) jurnal(p, "qo'yish: bufer 3 s ichida o'qilmadi");
    p.soat.uxla(qoyishTinishi);
    qaytar(yozilganSoni);
}

}  // namespace harfnur
