// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "scaledata.h"

#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <stdexcept>

namespace ScaleBench {

using namespace Qt::Literals::StringLiterals;

namespace {

// Cities of the vendors' addresses, many with the accents and umlauts a
// search has to see through; each comes in several districts below.
const char16_t *const Cities[] = { u"Montréal", u"Köln", u"Zürich", u"München", u"Düsseldorf", u"Göteborg", u"Malmö",
    u"Kraków", u"Łódź", u"Gdańsk", u"São Paulo", u"Bogotá", u"Málaga", u"Córdoba", u"León", u"Genève", u"Besançon",
    u"Orléans", u"Québec", u"Reykjavík", u"Tromsø", u"Århus", u"Jyväskylä", u"Plzeň", u"Brno", u"Košice", u"Győr",
    u"Pécs", u"Timișoara", u"Iași", u"Nürnberg", u"Lübeck", u"Würzburg", u"Saarbrücken", u"Neuchâtel",
    u"Trois-Rivières", u"Gatineau", u"Sherbrooke", u"Lévis", u"Saguenay", u"Toronto", u"Hamilton", u"Calgary",
    u"Edmonton", u"Winnipeg", u"Vancouver", u"Halifax", u"Regina", u"Saskatoon", u"Victoria", u"Seattle", u"Portland",
    u"Austin", u"Dallas", u"Houston", u"Denver", u"Chicago", u"Detroit", u"Buffalo", u"Boston", u"Atlanta", u"Miami",
    u"Phoenix", u"Tucson", u"Omaha", u"Tulsa", u"Memphis", u"Nashville", u"Raleigh", u"Richmond", u"Guadalajara",
    u"Monterrey", u"Apodaca", u"Puebla", u"Tijuana", u"Mérida", u"Querétaro", u"León de los Aldama", u"Hamburg",
    u"Bremen", u"Hannover", u"Leipzig", u"Dresden", u"Essen", u"Dortmund", u"Stuttgart", u"Mannheim", u"Lyon",
    u"Marseille", u"Toulouse", u"Nantes", u"Lille", u"Grenoble", u"Bordeaux", u"Sevilla", u"Valencia", u"Bilbao",
    u"Zaragoza" };
const char16_t *const Districts[] = { u"", u" Nord", u" Süd", u" Est", u" Ouest", u" Centre", u" Mitte", u" Altstadt",
    u" Industrie", u" Hafen", u" Port", u" Airport", u" East", u" West", u" North", u" South", u" Vieux", u" Neustadt",
    u" Zentrum", u" Gare" };
const char16_t *const FirstWords[] = { u"Acme", u"Nordic", u"Alpine", u"Atlas", u"Baltic", u"Beacon", u"Cascade",
    u"Cedar", u"Crown", u"Delta", u"Eagle", u"Elbe", u"Falcon", u"Fjord", u"Granite", u"Harbor", u"Helvetia", u"Iberia",
    u"Juniper", u"Keystone", u"Lakeshore", u"Liberty", u"Lumière", u"Maple", u"Meridian", u"Müller", u"Northwind",
    u"Oak", u"Orion", u"Pacific", u"Peña", u"Pioneer", u"Polaris", u"Prairie", u"Quantum", u"Rhein", u"Ridge", u"Rocky",
    u"Sable", u"Saint-Laurent", u"Sierra", u"Société", u"Summit", u"Sun", u"Tundra", u"Union", u"Valley", u"Vanguard",
    u"Vega", u"Weber", u"Westfield", u"Willow", u"Yukon", u"Zenith", u"Ångström", u"Øresund", u"Čapek", u"Dvořák",
    u"Świętokrzyska", u"Bräu" };
const char16_t *const SecondWords[] = { u"Fastener", u"Packaging", u"Logistics", u"Office Supply", u"Industrial",
    u"Parts", u"Metals", u"Plastics", u"Chemicals", u"Electric", u"Tooling", u"Machines", u"Paper", u"Textiles",
    u"Freight", u"Bearings", u"Hydraulics", u"Pneumatics", u"Optics", u"Sensors", u"Cables", u"Pumps", u"Valves",
    u"Fittings", u"Lumber", u"Glass", u"Ceramics", u"Coatings", u"Adhesives", u"Springs", u"Gears", u"Motors",
    u"Batteries", u"Lighting", u"Safety", u"Uniforms", u"Catering", u"Cleaning", u"Printing", u"Labels", u"Pallets",
    u"Crates", u"Foods", u"Beverages", u"Software", u"Consulting", u"Transport", u"Storage", u"Energie",
    u"Wärmetechnik", u"Stahlbau", u"Holzbau", u"Métallerie", u"Emballages", u"Électricité", u"Tornillería",
    u"Suministros", u"Ferretería", u"Trading", u"Supply" };
const char16_t *const LegalForms[] = { u"GmbH", u"AG", u"S.A.", u"Ltd.", u"Inc.", u"SARL", u"S.L.", u"Oy", u"AB",
    u"B.V.", u"LLC", u"Corp.", u"KG", u"S.p.A.", u"ApS", u"A/S", u"s.r.o.", u"Sp. z o.o.", u"SAS", u"Co." };

void exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw std::runtime_error(qPrintable(u"%1\n  failed: %2"_s.arg(sql.left(200), query.lastError().text())));
}

template<typename Strings> void fillWords(const QSqlDatabase &db, const QString &table, const Strings &strings)
{
    QSqlQuery insert(db);
    insert.prepare(u"INSERT INTO %1 (i, w) VALUES (?, ?)"_s.arg(table));
    int i = 0;
    for (const char16_t *word : strings) {
        insert.bindValue(0, i++);
        insert.bindValue(1, QString::fromUtf16(word));
        if (!insert.exec())
            throw std::runtime_error(qPrintable(insert.lastError().text()));
    }
}

QList<int> numbers(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw std::runtime_error(qPrintable(query.lastError().text()));
    QList<int> result;
    while (query.next())
        result << query.value(0).toInt();
    return result;
}

} // namespace

void addGeneratedVendors(const QSqlDatabase &db, bool postgres, int vendors, int firstId)
{
    const QString temp = postgres ? u"TEMPORARY"_s : u"TEMP"_s;
    for (const QString &table :
        { u"scale_city"_s, u"scale_district"_s, u"scale_first"_s, u"scale_second"_s, u"scale_legal"_s })
        exec(db, u"CREATE %1 TABLE %2 (i INTEGER PRIMARY KEY, w TEXT NOT NULL)"_s.arg(temp, table));
    fillWords(db, u"scale_city"_s, Cities);
    fillWords(db, u"scale_district"_s, Districts);
    fillWords(db, u"scale_first"_s, FirstWords);
    fillWords(db, u"scale_second"_s, SecondWords);
    fillWords(db, u"scale_legal"_s, LegalForms);
    const QList<int> states = numbers(db, u"SELECT id FROM states ORDER BY id"_s);
    const QList<int> types = numbers(db, u"SELECT id FROM contact_types WHERE id <> 15 ORDER BY id"_s);
    if (states.isEmpty() || types.isEmpty())
        throw std::runtime_error("the database has no states or contact types: open it with the sample vendors first");
    const qsizetype cities = std::size(Cities), districts = std::size(Districts), firsts = std::size(FirstWords),
                    seconds = std::size(SecondWords), legals = std::size(LegalForms);

    // Vendors: every combination of the words once, numbered within
    // the last word so that names repeat rarely.
    const QString series = postgres
        ? u"SELECT generate_series(%1, %2) AS id"_s.arg(firstId).arg(firstId + vendors - 1)
        : u"WITH RECURSIVE s(id) AS (SELECT %1 UNION ALL SELECT id + 1 FROM s WHERE id < %2) "
          u"SELECT id FROM s"_s.arg(firstId)
              .arg(firstId + vendors - 1);
    exec(db,
        u"INSERT INTO vendors (id, name) SELECT s.id, f.w || ' ' || c.w || ' ' || l.w || "
        u"CASE WHEN (s.id / %4) %% 3 = 0 THEN '' ELSE ' ' || CAST((s.id / %4) %% 3 AS TEXT) END "
        u"FROM (%1) s JOIN scale_first f ON f.i = s.id %% %2 JOIN scale_second c ON c.i = (s.id / %2) %% %3 "
        u"JOIN scale_legal l ON l.i = (s.id / (%2 * %3)) %% %5"_s.arg(series)
            .arg(firsts)
            .arg(seconds)
            .arg(firsts * seconds * legals)
            .arg(legals)
            .replace(u"%%"_s, u"%"_s));

    // Addresses: 10 to 30 per vendor (20 on average), in three home cities
    // of the vendor, each in one of its districts. The step 11 shares no
    // factor with the number of cities, so every city is someone's.
    const QString perVendor = postgres
        ? u"SELECT generate_series(0, 29) AS k"_s
        : u"WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < 29) SELECT k FROM n"_s;
    QStringList stateCase, typeCase;
    for (int i = 0; i < states.size(); ++i)
        stateCase << u"WHEN %1 THEN %2"_s.arg(i).arg(states.at(i));
    for (int i = 0; i < types.size(); ++i)
        typeCase << u"WHEN %1 THEN %2"_s.arg(i).arg(types.at(i));
    const QString sql =
        u"INSERT INTO addresses (vendor_id, type_id, name, street1, street2, city, country, state_id, postal_code, "
        u"phone, fax, email, phone2, cell) "
        u"SELECT v.id, CASE (v.id + n.k) % {types} {typeCase} END, "
        u"CASE WHEN n.k = 0 THEN substr(v.name, 1, 60) ELSE 'Contact ' || CAST(n.k AS TEXT) || ' of ' || "
        u"CAST(v.id AS TEXT) END, "
        u"CAST(100 + (v.id * 37 + n.k * 11) % 9800 AS TEXT) || ' Commerce Dr', "
        u"CASE WHEN n.k % 3 = 0 THEN 'Suite ' || CAST(100 + n.k AS TEXT) ELSE '' END, "
        u"c.w || d.w, (v.id + n.k) % 3, CASE (v.id * 3 + n.k) % {states} {stateCase} END, "
        u"CAST(10000 + (v.id * 7 + n.k) % 89999 AS TEXT), '555-' || CAST(1000 + (v.id + n.k) % 9000 AS TEXT), '', "
        u"'contact' || CAST(n.k AS TEXT) || '@vendor' || CAST(v.id AS TEXT) || '.example.com', '', '' "
        u"FROM vendors v JOIN ({perVendor}) n ON n.k < 10 + v.id % 21 "
        u"JOIN scale_city c ON c.i = (v.id * 11 + (n.k % 3) * 31) % {cities} "
        u"JOIN scale_district d ON d.i = (v.id + n.k) % {districts} "
        u"WHERE v.id >= {first} ORDER BY v.id, n.k"_s.replace(u"{types}"_s, QString::number(types.size()))
            .replace(u"{typeCase}"_s, typeCase.join(u' '))
            .replace(u"{states}"_s, QString::number(states.size()))
            .replace(u"{stateCase}"_s, stateCase.join(u' '))
            .replace(u"{perVendor}"_s, perVendor)
            .replace(u"{cities}"_s, QString::number(cities))
            .replace(u"{districts}"_s, QString::number(districts))
            .replace(u"{first}"_s, QString::number(firstId));
    exec(db, sql);
    for (const QString &table :
        { u"scale_city"_s, u"scale_district"_s, u"scale_first"_s, u"scale_second"_s, u"scale_legal"_s })
        exec(db, u"DROP TABLE %1"_s.arg(table));
}

} // namespace ScaleBench
