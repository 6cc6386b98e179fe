// A chart of the program's description drawn as SVG: lines or marks against one or two value
// axes (linear, logarithmic or dates), shaded bands between two lines, marker lines and a
// legend. Part of the page's script (velmar_page.js draws and saves charts with it).
"use strict";

var VelmarChart = (() => {
  const svgNamespace = "http://www.w3.org/2000/svg";
  const markerColours = ["#333333", "#8b0000", "#006400", "#4b0082"];
  const colours = ["#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2", "#17becf"];

  function svg(tag, attributes, content) {
    const e = document.createElementNS(svgNamespace, tag);
    Object.entries(attributes || {}).forEach(([k, v]) => e.setAttribute(k, v));
    if (content !== undefined) e.textContent = content;
    return e;
  }

  // Round steps across [low, high]: 1, 2 or 5 times a power of ten.
  function tickStep(low, high, count) {
    const raw = (high - low) / count;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    return [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw);
  }

  function ticks(low, high, count) {
    if (!(high > low)) return [low];
    const step = tickStep(low, high, count);
    const out = [];
    for (let v = Math.ceil(low / step) * step; v <= high + step * 1e-9; v += step) out.push(Math.abs(v) < step * 1e-9 ? 0 : v);
    return out;
  }

  const formatTick = (v) => {
    const a = Math.abs(v);
    return a !== 0 && (a >= 1e9 || a < 1e-3) ? v.toExponential(1) : String(Number(v.toPrecision(6)));
  };

  function axis(values, scale) {
    const finite = values.filter((v) => Number.isFinite(v) && (scale !== "log" || v > 0));
    let low = Math.min(...finite), high = Math.max(...finite);
    if (!finite.length) low = 0, high = 1;
    if (scale === "log") {
      const a = Math.floor(Math.log10(low)), b = Math.max(Math.ceil(Math.log10(high)), a + 1);
      const marks = [];
      for (let p = a; p <= b; p++) marks.push(Math.pow(10, p));
      return {low: Math.pow(10, a), high: Math.pow(10, b), marks, at: (v) => (Math.log10(v) - a) / (b - a),
              label: formatTick};
    }
    if (low === high) low -= Math.abs(low) * 0.1 || 1, high += Math.abs(high) * 0.1 || 1;
    if (scale === "dates") {
      const marks = ticks(low / 86400, high / 86400, 6).map((d) => d * 86400);
      return {low, high, marks, at: (v) => (v - low) / (high - low),
              label: (v) => new Date(v * 1000).toISOString().slice(0, 10)};
    }
    // Out to the round steps beyond the values, so that no line runs along the frame.
    const step = tickStep(low, high, 6);
    low = Math.floor(low / step) * step;
    high = Math.ceil(high / step) * step;
    const span = (v) => (v - low) / (high - low);
    return {low, high, marks: ticks(low, high, 6), at: span, label: formatTick};
  }

  // The legend's entries laid out in rows from `left`, a row ending before `right`.
  const kLegendRow = 16;
  function legendPlaces(names, left, right) {
    const places = [];
    let x = left, row = 0;
    for (const name of names) {
      const wide = 30 + name.length * 6.5;
      if (x > left && x + wide > right) {
        x = left;
        row++;
      }
      places.push({x, row});
      x += wide;
    }
    return {places, rows: row + 1};
  }

  function chartSvg(chart, width, height) {
    const root = svg("svg", {xmlns: svgNamespace, width, height, viewBox: `0 0 ${width} ${height}`,
                             "font-family": "sans-serif", "font-size": 11});
    root.appendChild(svg("rect", {width, height, fill: "white"}));
    const hasSecond = chart.series.some((s) => s.secondAxis);
    const left = 70, right = hasSecond ? 70 : 36, top = chart.title ? 28 : 12;  // room for the last tick's label
    const names = chart.bands.map((b) => b.name).concat(chart.series.map((s) => s.name), chart.markers.map((m) => m.label));
    const rows = legendPlaces(names.filter((name) => name), left, width - 10).rows;
    const bottom = 46 + kLegendRow * rows;
    const plotW = width - left - right, plotH = height - top - bottom;
    const points = (second) => chart.series.filter((s) => !!s.secondAxis === second).flatMap((s) => s.points);
    const xs = chart.series.flatMap((s) => s.points.map((p) => p[0]))
        .concat(chart.markers.filter((m) => m.vertical).map((m) => m.at));
    const ys = points(false).map((p) => p[1]).concat(chart.markers.filter((m) => !m.vertical).map((m) => m.at));
    const x = axis(xs, chart.x.scale), y = axis(ys, chart.y.scale);
    const y2 = hasSecond ? axis(points(true).map((p) => p[1]), chart.y2.scale) : null;
    const px = (v) => left + x.at(v) * plotW;
    const py = (v, a) => top + (1 - (a || y).at(v)) * plotH;
    if (chart.title) root.appendChild(svg("text", {x: width / 2, y: 18, "text-anchor": "middle", "font-weight": "bold"}, chart.title));
    root.appendChild(svg("rect", {x: left, y: top, width: plotW, height: plotH, fill: "none", stroke: "#888"}));
    for (const v of x.marks) {
      root.appendChild(svg("line", {x1: px(v), x2: px(v), y1: top, y2: top + plotH, stroke: "#eee"}));
      root.appendChild(svg("text", {x: px(v), y: top + plotH + 14, "text-anchor": "middle"}, x.label(v)));
    }
    for (const v of y.marks) {
      root.appendChild(svg("line", {x1: left, x2: left + plotW, y1: py(v), y2: py(v), stroke: "#eee"}));
      root.appendChild(svg("text", {x: left - 4, y: py(v) + 4, "text-anchor": "end"}, y.label(v)));
    }
    if (y2) for (const v of y2.marks) {
      root.appendChild(svg("text", {x: left + plotW + 4, y: py(v, y2) + 4}, y2.label(v)));
    }
    root.appendChild(svg("text", {x: left + plotW / 2, y: top + plotH + 32, "text-anchor": "middle"}, chart.x.caption));
    root.appendChild(svg("text", {transform: `translate(14 ${top + plotH / 2}) rotate(-90)`, "text-anchor": "middle"}, chart.y.caption));
    if (y2) root.appendChild(svg("text", {transform: `translate(${width - 8} ${top + plotH / 2}) rotate(-90)`, "text-anchor": "middle"}, chart.y2.caption));
    const plot = svg("g");
    const clip = svg("clipPath", {id: "plot-area"});
    clip.appendChild(svg("rect", {x: left, y: top, width: plotW, height: plotH}));
    root.appendChild(clip);
    plot.setAttribute("clip-path", "url(#plot-area)");
    const path = (s) => s.points.filter((p) => Number.isFinite(p[0]) && Number.isFinite(p[1]))
        .map((p) => `${px(p[0]).toFixed(1)},${py(p[1], s.secondAxis ? y2 : y).toFixed(1)}`);
    const legend = [];
    chart.bands.forEach((band, i) => {
      const lower = chart.series[band.lower], upper = chart.series[band.upper];
      if (!lower || !upper) return;
      const colour = colours[(i + 5) % colours.length];
      plot.appendChild(svg("polygon", {points: path(lower).concat(path(upper).reverse()).join(" "), fill: colour, "fill-opacity": 0.2}));
      legend.push([band.name, colour, "band"]);
    });
    const inBand = new Set(chart.bands.flatMap((b) => [b.lower, b.upper]));
    chart.series.forEach((s, i) => {
      const colour = colours[i % colours.length];
      const line = path(s);
      if (s.marks || line.length === 1) {
        for (const point of line) {
          const [cx, cy] = point.split(",");
          plot.appendChild(svg("circle", {cx, cy, r: 3, fill: colour}));
        }
      } else {
        plot.appendChild(svg("polyline", {points: line.join(" "), fill: "none", stroke: colour, "stroke-width": 1.5,
                                          "stroke-dasharray": inBand.has(i) ? "4 3" : "none"}));
      }
      if (s.name) legend.push([s.name, colour, s.marks ? "marks" : "line"]);
    });
    // Marker lines are named in the legend, as the desktop's are: labels on the plot would
    // overlap where two lie close.
    chart.markers.forEach((m, i) => {
      const colour = markerColours[i % markerColours.length];
      const at = m.vertical ? px(m.at) : py(m.at);
      const line = m.vertical ? {x1: at, x2: at, y1: top, y2: top + plotH} : {x1: left, x2: left + plotW, y1: at, y2: at};
      plot.appendChild(svg("line", Object.assign(line, {stroke: colour, "stroke-width": 1.5, "stroke-dasharray": "6 4"})));
      if (m.label) legend.push([m.label, colour, "marker"]);
    });
    root.appendChild(plot);
    const places = legendPlaces(legend.map(([name]) => name), left, width - 10).places;
    legend.forEach(([name, colour, kind], i) => {
      const lx = places[i].x, ly = height - 16 - kLegendRow * (rows - 1 - places[i].row);
      const key = {
        band: () => svg("rect", {x: lx, y: ly - 4, width: 14, height: 8, fill: colour, "fill-opacity": 0.3}),
        marks: () => svg("circle", {cx: lx + 7, cy: ly, r: 3, fill: colour}),
        line: () => svg("line", {x1: lx, x2: lx + 14, y1: ly, y2: ly, stroke: colour, "stroke-width": 2}),
        marker: () => svg("line", {x1: lx, x2: lx + 14, y1: ly, y2: ly, stroke: colour, "stroke-width": 2,
                                   "stroke-dasharray": "4 2"}),
      };
      root.appendChild(key[kind]());
      root.appendChild(svg("text", {x: lx + 18, y: ly + 4}, name));
    });
    return root;
  }

  return {svg: chartSvg};
})();
