#pragma once

#include <string>

namespace vantrel {

class Vantrel;

// The simulator catalogue: configuration lookup, the start-up scan, planetary systems and surface bases.
class Catalogue {
public:
    explicit Catalogue(Vantrel& main);

    std::string GetData(const std::string& FileName, const std::string& Flag);
    void FindData(const std::string& Flag1, const std::string& Flag2);
    void Form_Load();
    void OrbiterFolderLocation();
    void StationDockScan();
    int StationDockNumberDisplay(const std::string& sn) const;
    void ExtractPlanet(const std::string& FileName);
    void BaseUpDate();

private:
    Vantrel& w_;
};

} // namespace vantrel
