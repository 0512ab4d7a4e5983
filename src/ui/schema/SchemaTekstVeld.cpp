#include "ui/schema/SchemaTekstVeld.h"

#include "core/afdruk/SchemaWeergave.h"
#include "gui/afdruk/LettertypeOmzetting.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace {
constexpr int Marge = 4;
constexpr int Markering = 4;
} // namespace

SchemaTekstVeld::SchemaTekstVeld(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SchemaTekstVeld::ToonWeergave(const SchemaWeergave* weergave)
{
    m_weergave = weergave;
    m_regels.clear();
    m_gemarkeerd.clear();
    // New lines: what was chosen may now stand elsewhere.
    if (!m_gekozen.empty()) {
        m_gekozen.clear();
        emit keuzeVeranderd();
    }
    m_maten.clear();
    if (m_weergave) {
        const TLettertypen& fonts = m_weergave->Fonts();
        const int aantal = int(m_weergave->Regels().size());
        const TLettertype bases[4] = {m_weergave->RegelLettertype(0), m_weergave->RegelLettertype(1),
                                      fonts.TextFont, fonts.FooterFont};
        for (int i = 0; i < 4; ++i) {
            m_fonts[i] = LettertypeOmzetting::NaarQFont(bases[i]);
            m_kleuren[i] = LettertypeOmzetting::NaarQColor(bases[i].Kleur);
        }
        m_fonts[Markering] = LettertypeOmzetting::NaarQFont(fonts.VetTeamFont);
        m_kleuren[Markering] = LettertypeOmzetting::NaarQColor(fonts.VetTeamFont.Kleur);
        for (const QFont& font : m_fonts)
            m_maten.emplace_back(font);
        m_regels.resize(std::size_t(aantal));
        for (int i = 0; i < aantal; ++i) {
            m_regels[std::size_t(i)].Soort = i == 0 ? 0 : i == 1 ? 1 : i == aantal - 1 ? 3 : 2;
            ZetStukken(i, {});
        }
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    WerkMarkeringBij();
}

void SchemaTekstVeld::WerkMarkeringBij()
{
    if (!m_weergave)
        return;
    // Only the lines marked before and the lines marked now change.
    std::vector<std::vector<Stuk>> nieuw;
    std::vector<int> regels;
    for (const auto& markering : m_weergave->Markeringen()) {
        if (markering.Regel < 0 || markering.Regel >= int(m_regels.size()))
            continue;
        if (regels.empty() || regels.back() != markering.Regel) {
            const auto bekend = std::find(regels.begin(), regels.end(), markering.Regel);
            if (bekend == regels.end()) {
                regels.push_back(markering.Regel);
                nieuw.emplace_back();
            }
        }
        const auto plek = std::find(regels.begin(), regels.end(), markering.Regel) - regels.begin();
        nieuw[std::size_t(plek)].push_back({markering.Begin, markering.Lengte, true});
    }
    for (int regel : m_gemarkeerd)
        ZetStukken(regel, {});
    for (std::size_t i = 0; i < regels.size(); ++i)
        ZetStukken(regels[i], std::move(nieuw[i]));
    m_gemarkeerd = std::move(regels);
    BerekenPosities();
}

void SchemaTekstVeld::ZetStukken(int index, std::vector<Stuk> gemarkeerd)
{
    Regel& regel = m_regels[std::size_t(index)];
    const int lengte = int(m_weergave->Regels().at(index).size());
    // Turn the marked ranges into a run of pieces covering the whole line.
    std::sort(gemarkeerd.begin(), gemarkeerd.end(),
              [](const Stuk& a, const Stuk& b) { return a.Begin < b.Begin; });
    std::vector<Stuk> stukken;
    int positie = 0;
    for (const Stuk& stuk : gemarkeerd) {
        const int begin = std::max(stuk.Begin, positie);
        const int einde = std::min(stuk.Begin + stuk.Lengte, lengte);
        if (einde <= begin)
            continue;
        if (begin > positie)
            stukken.push_back({positie, begin - positie, false});
        stukken.push_back({begin, einde - begin, true});
        positie = einde;
    }
    if (positie < lengte)
        stukken.push_back({positie, lengte - positie, false});
    regel.Stukken = std::move(stukken);
    BerekenRegel(index);
}

void SchemaTekstVeld::BerekenRegel(int index)
{
    Regel& regel = m_regels[std::size_t(index)];
    const QString& tekst = m_weergave->Regels().at(index);
    const QFontMetrics& basis = m_maten[std::size_t(regel.Soort)];
    regel.Hoogte = basis.height();
    regel.Ascent = basis.ascent();
    regel.Breedte = 0;
    for (const Stuk& stuk : regel.Stukken) {
        const QFontMetrics& maten = m_maten[std::size_t(stuk.Gemarkeerd ? Markering : regel.Soort)];
        regel.Hoogte = std::max(regel.Hoogte, maten.height());
        regel.Ascent = std::max(regel.Ascent, maten.ascent());
        regel.Breedte += maten.horizontalAdvance(QStringView(tekst).mid(stuk.Begin, stuk.Lengte).toString());
    }
}

void SchemaTekstVeld::BerekenPosities()
{
    m_boven.assign(m_regels.size() + 1, 0);
    m_maxBreedte = 0;
    int y = Marge;
    for (std::size_t i = 0; i < m_regels.size(); ++i) {
        m_boven[i] = y;
        y += m_regels[i].Hoogte;
        m_maxBreedte = std::max(m_maxBreedte, m_regels[i].Breedte);
    }
    m_boven.back() = y;
    WerkScrollbalkenBij();
    viewport()->update();
}

int SchemaTekstVeld::RegelOp(QPoint punt) const
{
    const int y = punt.y() + verticalScrollBar()->value();
    if (m_regels.empty() || y < 0 || y >= m_boven.back())
        return -1;
    // m_boven is sorted: the last top at or above y.
    const auto na = std::upper_bound(m_boven.begin(), m_boven.end() - 1, y);
    return int(na - m_boven.begin()) - 1;
}

void SchemaTekstVeld::mousePressEvent(QMouseEvent* event)
{
    m_gesleept = event->button() == Qt::LeftButton ? RegelOp(event->position().toPoint()) : -1;
    QAbstractScrollArea::mousePressEvent(event);
}

void SchemaTekstVeld::mouseReleaseEvent(QMouseEvent* event)
{
    const int van = m_gesleept;
    m_gesleept = -1;
    if (event->button() == Qt::LeftButton && van >= 0) {
        const int naar = RegelOp(event->position().toPoint());
        if (naar >= 0 && naar != van)
            emit regelGesleept(van, naar);
        else if (naar == van)
            Kies(van, event->modifiers().testFlag(Qt::ControlModifier));
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void SchemaTekstVeld::Kies(int regel, bool erbij)
{
    if (!erbij) {
        m_gekozen = {regel};
    } else if (auto plek = std::find(m_gekozen.begin(), m_gekozen.end(), regel);
               plek != m_gekozen.end()) {
        m_gekozen.erase(plek);
    } else {
        if (m_gekozen.size() == 2)
            m_gekozen.erase(m_gekozen.begin());
        m_gekozen.push_back(regel);
    }
    viewport()->update();
    emit keuzeVeranderd();
}

int SchemaTekstVeld::RegelBoven(int regel) const
{
    if (regel < 0 || regel >= int(m_regels.size()))
        return 0;
    return m_boven[std::size_t(regel)];
}

void SchemaTekstVeld::WerkScrollbalkenBij()
{
    const int hoogte = m_boven.empty() ? 0 : m_boven.back() + Marge;
    verticalScrollBar()->setRange(0, std::max(0, hoogte - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    if (!m_maten.empty())
        verticalScrollBar()->setSingleStep(m_maten[2].height());
    horizontalScrollBar()->setRange(0, std::max(0, m_maxBreedte + 2 * Marge - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void SchemaTekstVeld::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    WerkScrollbalkenBij();
}

void SchemaTekstVeld::paintEvent(QPaintEvent*)
{
    if (!m_weergave || m_regels.empty())
        return;
    QPainter painter(viewport());
    const int dy = verticalScrollBar()->value();
    const int dx = horizontalScrollBar()->value();
    const int onder = dy + viewport()->height();
    // The first line in sight, found in the sorted tops.
    auto eerste = std::upper_bound(m_boven.begin(), m_boven.end() - 1, dy);
    std::size_t i = eerste == m_boven.begin() ? 0 : std::size_t(eerste - m_boven.begin() - 1);
    for (; i < m_regels.size() && m_boven[i] < onder; ++i) {
        const Regel& regel = m_regels[i];
        const QString& tekst = m_weergave->Regels().at(int(i));
        if (std::find(m_gekozen.begin(), m_gekozen.end(), int(i)) != m_gekozen.end()) {
            const QColor achtergrond = palette().color(QPalette::Highlight).lighter(170);
            painter.fillRect(QRect(0, m_boven[i] - dy, viewport()->width(), regel.Hoogte),
                             achtergrond);
        }
        int x = Marge - dx;
        const int basislijn = m_boven[i] - dy + regel.Ascent;
        for (const Stuk& stuk : regel.Stukken) {
            const int soort = stuk.Gemarkeerd ? Markering : regel.Soort;
            painter.setFont(m_fonts[soort]);
            painter.setPen(m_kleuren[soort]);
            const QString deel = tekst.mid(stuk.Begin, stuk.Lengte);
            painter.drawText(x, basislijn, deel);
            x += m_maten[std::size_t(soort)].horizontalAdvance(deel);
        }
    }
}

int SchemaTekstVeld::NodigeBreedte() const
{
    return m_maxBreedte + 2 * Marge + 2 * frameWidth()
           + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}
