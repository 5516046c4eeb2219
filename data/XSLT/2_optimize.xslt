<?xml version="1.0" encoding="UTF-8"?>
<!-- Pass 2 of the UML import: only initial nodes and actions become steps. A flow into a
     decision, merge, fork or join node is bridged: its source joins every node that the control
     node leads to (through further control nodes too); flows into final nodes and the control
     and final nodes themselves go. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="xml" encoding="UTF-8" indent="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:key name="node" match="node" use="@id"/>
  <xsl:key name="outgoing" match="flow" use="@source"/>

  <xsl:template match="@*|node()">
    <xsl:copy><xsl:apply-templates select="@*|node()"/></xsl:copy>
  </xsl:template>

  <xsl:template match="node[@kind != 'initial' and @kind != 'action']"/>

  <xsl:template match="flow">
    <xsl:variable name="source" select="key('node', @source)[1]"/>
    <xsl:if test="$source/@kind = 'initial' or $source/@kind = 'action'">
      <xsl:call-template name="bridge">
        <xsl:with-param name="id" select="@id"/>
        <xsl:with-param name="from" select="@source"/>
        <xsl:with-param name="to" select="@target"/>
        <xsl:with-param name="visited" select="' '"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A flow from the step to the node, or through a control node to the nodes after it; a
       control node already passed on this way ends it. -->
  <xsl:template name="bridge">
    <xsl:param name="id"/>
    <xsl:param name="from"/>
    <xsl:param name="to"/>
    <xsl:param name="visited"/>
    <xsl:variable name="target" select="key('node', $to)[1]"/>
    <xsl:choose>
      <xsl:when test="$target/@kind = 'initial' or $target/@kind = 'action'">
        <flow id="{$id}" source="{$from}" target="{$to}"/>
      </xsl:when>
      <xsl:when test="($target/@kind = 'decision' or $target/@kind = 'merge' or $target/@kind = 'fork'
                       or $target/@kind = 'join') and not(contains($visited, concat(' ', $to, ' ')))">
        <xsl:for-each select="key('outgoing', $to)">
          <xsl:call-template name="bridge">
            <xsl:with-param name="id" select="concat($id, '.', @id)"/>
            <xsl:with-param name="from" select="$from"/>
            <xsl:with-param name="to" select="@target"/>
            <xsl:with-param name="visited" select="concat($visited, $to, ' ')"/>
          </xsl:call-template>
        </xsl:for-each>
      </xsl:when>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
