-- Puts a Markdown file written at build time where a code block of class "include" names
-- it, so that the tables made from the project record stand in their place in the text.
-- The files are looked for in the folder given by the metadata field generated-dir.
local folder = nil

local function read_folder(meta)
  if meta['generated-dir'] then
    folder = pandoc.utils.stringify(meta['generated-dir'])
  end
end

local function include(block)
  if not block.classes:includes('include') then
    return nil
  end
  local name = folder .. '/' .. block.text:gsub('%s+', '')
  local file = io.open(name, 'r')
  if not file then
    error('generated file not found: ' .. name)
  end
  local text = file:read('a')
  file:close()
  return pandoc.read(text, 'markdown').blocks
end

return {
  { Meta = read_folder },
  { CodeBlock = include },
}
