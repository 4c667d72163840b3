// The Sky document's positions through the property evaluation: right
// ascension and declination of the date (degrees) for the planets, the Sun
// and the Moon, and the catalogue position of a deep-sky object.
#pragma once

#include "app/sky_document.h"

namespace corvinata {

class CatalogueSkyComputer final : public SkyBodyComputer {
public:
    // The planets of the planet catalogue in its order (the Earth is not one).
    int PlanetCount() const override;
    SkyPosition ComputePlanet(int planet, const TimeAndPlace& moment) override;
    SkyPosition ComputeSun(const TimeAndPlace& moment) override;
    SkyPosition ComputeMoon(const TimeAndPlace& moment) override;
    SkyPosition DeepSkyPosition(int number) override;

private:
    SkyPosition Evaluate(int bodyType, int index, const TimeAndPlace& moment) const;

    TimeAndPlace documentMoment_;
    bool haveMoment_ = false;
};

}  // namespace corvinata
