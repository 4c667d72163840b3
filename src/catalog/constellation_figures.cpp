#include "catalog/constellation_figures.h"

#include "base/greek_letters.h"
#include "base/text_scanner.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_texts.h"

namespace corvinata {

namespace {

constexpr int kFigureConstellations = 88;
constexpr int kMaxAbbreviationLength = 10;
constexpr int kMaxStarWordLength = 300;

bool EndsStarWord(const TextScanner& scanner, Char) noexcept {
    return scanner.AtBlank() || scanner.AtChar(';') || scanner.AtChar('.');
}

class FigureReader {
public:
    FigureReader(const Char* text, const StarDirectory& stars, ConstellationFigures& figures)
        : scanner_(text), stars_(stars), figures_(figures) {}

    bool Read() {
        scanner_.SkipBlanks();
        while (!scanner_.AtEnd()) {
            if (!Record()) return false;
            scanner_.SkipBlanks();
        }
        return true;
    }

private:
    bool Record() {
        Char abbreviation[kMaxAbbreviationLength + 1];
        int length = 0;
        bool atEnd = false;
        ReadWord(scanner_, abbreviation, kMaxAbbreviationLength, 1, &length, WordStop::AtChar(':'),
                 &atEnd);
        if (!scanner_.ok || !scanner_.AtChar(':')) return false;
        ++scanner_.position;
        const int constellation = stars_.ConstellationByAbbreviation(abbreviation);
        if (constellation < 0) return false;
        std::vector<FigureSegment>& segments = figures_[static_cast<size_t>(constellation)];
        do {
            if (!Polyline(constellation, segments)) return false;
        } while (Accept(';'));
        return Accept('.');
    }

    bool Polyline(int constellation, std::vector<FigureSegment>& segments) {
        int read = 0;
        for (;;) {
            scanner_.SkipBlanks();
            if (scanner_.AtEnd() || scanner_.AtChar(';') || scanner_.AtChar('.')) return true;
            Char word[kMaxStarWordLength + 1];
            int length = 0;
            ReadWord(scanner_, word, kMaxStarWordLength, 1, &length, {&EndsStarWord, 0}, nullptr);
            if (!scanner_.ok) return false;
            const int star = Resolve(constellation, word);
            if (star < 0) return false;
            if (read == 0) {
                segments.push_back({star, -1});
            } else if (read == 1) {
                segments.back().to = star;
            } else {
                segments.push_back({segments.back().to, star});
            }
            ++read;
        }
    }

    int Resolve(int constellation, const Char* word) const {
        const int letter = FindGreekLetterByName(word);
        if (letter != kNoGreekLetter) return stars_.BrightestStarWithLetter(constellation, letter, 0);
        Char name[kMaxStarWordLength + 5] = {'B', 'S', 'C', ' '};
        int i = 0;
        for (; word[i]; ++i) name[4 + i] = word[i];
        name[4 + i] = 0;
        return stars_.StarByCatalogueName(name);
    }

    bool Accept(Char c) {
        scanner_.SkipBlanks();
        if (!scanner_.AtChar(c)) return false;
        ++scanner_.position;
        return true;
    }

    TextScanner scanner_;
    const StarDirectory& stars_;
    ConstellationFigures& figures_;
};

}  // namespace

bool ParseConstellationFigures(const Char* text, const StarDirectory& stars,
                               ConstellationFigures& figures) {
    figures.resize(kFigureConstellations);
    return FigureReader(text, stars, figures).Read();
}

bool CreateConstellationFigures() {
    ConstellationFigures figures;
    const bool read = ParseConstellationFigures(ConstellationFiguresText(), GetStarCatalogue(), figures);
    ConstellationCatalogue& constellations = GetConstellationCatalogue();
    for (int c = 0; c < static_cast<int>(figures.size()); ++c) {
        ConstellationObject* constellation = constellations.MutableAt(c);
        if (!constellation) continue;
        for (const FigureSegment& segment : figures[static_cast<size_t>(c)]) {
            constellation->AddFigureSegment(segment);
        }
    }
    return read;
}

}  // namespace corvinata
