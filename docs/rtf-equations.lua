-- Equations for a word processor. RTF has sub- and superscripts but no built-up fractions
-- or roots, so these are written on one line before pandoc sets the equation in RTF:
-- \frac{a}{b} becomes a/b (each side in brackets when it is more than one symbol),
-- \sqrt{x} becomes √(x), and \left and \right are dropped from their delimiters.

local function group(s, i)
  -- s:sub(i, i) is "{"; returns the group's contents and the index after its "}".
  local depth = 0
  for j = i, #s do
    local c = s:sub(j, j)
    if c == "{" then
      depth = depth + 1
    elseif c == "}" then
      depth = depth - 1
      if depth == 0 then return s:sub(i + 1, j - 1), j + 1 end
    end
  end
  error("unbalanced braces in equation: " .. s)
end

local function argument(s, i)
  while s:sub(i, i) == " " do i = i + 1 end
  if s:sub(i, i) == "{" then return group(s, i) end
  return s:sub(i, i), i + 1
end

local function one_symbol(x)
  return not x:find("[%s%+%-=/]") and not x:find("\\cdot") and not x:find("\\times")
end

local function bracketed(x)
  if one_symbol(x) then return x end
  return "(" .. x .. ")"
end

local function linear(s)
  local out, i = {}, 1
  while i <= #s do
    local command = s:match("^\\(%a+)", i)
    if command == "frac" or command == "dfrac" or command == "tfrac" then
      local a, b
      a, i = argument(s, i + #command + 1)
      b, i = argument(s, i)
      out[#out + 1] = "{" .. bracketed(linear(a)) .. "/" .. bracketed(linear(b)) .. "}"
    elseif command == "sqrt" then
      local x
      x, i = argument(s, i + 5)
      out[#out + 1] = "√(" .. linear(x) .. ")"
    elseif command == "left" or command == "right" then
      i = i + #command + 1
    elseif command then
      out[#out + 1] = "\\" .. command
      i = i + #command + 1
    else
      out[#out + 1] = s:sub(i, i)
      i = i + 1
    end
  end
  return table.concat(out)
end

local function Math(m)
  m.text = linear(m.text)
  return m
end

-- A displayed equation stands centred in a paragraph of its own; pandoc would run it into
-- the text around it. The paragraph is split with raw RTF around the equation.
local body = "\\par}{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 "
local centred = "\\par}{\\pard \\qc \\f0 \\sa180 \\li0 \\fi0 "

local function has_text(inlines, from, to)
  for i = from, to do
    local t = inlines[i].t
    if t ~= "Space" and t ~= "SoftBreak" and t ~= "LineBreak" then return true end
  end
  return false
end

local function display_apart(block)
  local inlines, out = block.content, pandoc.List()
  for i, inline in ipairs(inlines) do
    if inline.t == "Math" and inline.mathtype == "DisplayMath" then
      if has_text(inlines, 1, i - 1) then
        out:insert(pandoc.RawInline("rtf", centred))
      else
        out:insert(pandoc.RawInline("rtf", "\\qc "))
      end
      out:insert(inline)
      if has_text(inlines, i + 1, #inlines) then out:insert(pandoc.RawInline("rtf", body)) end
    else
      out:insert(inline)
    end
  end
  block.content = out
  return block
end

return {
  { Math = Math },
  { Para = display_apart, Plain = display_apart },
}
