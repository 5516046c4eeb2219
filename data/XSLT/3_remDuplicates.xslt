<?xml version="1.0" encoding="UTF-8"?>
<!-- Pass 3 of the UML import: keeps the first element of each identifier and writes the project
     file: a root task, a folder per package and a task per use case, each with the model's
     identifier (so that a second import finds what the first one brought), the use case's name
     made an identifier and its comments as description, a step "Start" for the initial node as
     the start step, a step per action and a connection per flow. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="xml" encoding="UTF-8" indent="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:key name="byId" match="*[@id != '']" use="@id"/>

  <xsl:variable name="identifierCharacters"
                select="'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_'"/>
  <xsl:variable name="model" select="/uml/model[1]"/>
  <xsl:variable name="rootId" select="concat('Root_', $model/@id)"/>

  <!-- The first element of its identifier, or one without an identifier. -->
  <xsl:template name="isFirst">
    <xsl:if test="not(@id != '') or generate-id() = generate-id(key('byId', @id)[1])">yes</xsl:if>
  </xsl:template>

  <!-- Every character that may not stand in an identifier becomes "_". -->
  <xsl:template name="identifier">
    <xsl:param name="text"/>
    <xsl:if test="$text != ''">
      <xsl:variable name="character" select="substring($text, 1, 1)"/>
      <xsl:choose>
        <xsl:when test="contains($identifierCharacters, $character)"><xsl:value-of select="$character"/></xsl:when>
        <xsl:otherwise>_</xsl:otherwise>
      </xsl:choose>
      <xsl:call-template name="identifier">
        <xsl:with-param name="text" select="substring($text, 2)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <xsl:template match="/">
    <KAVRO_DATA Version="12.4">
      <PROJECT ID="{$model/@id}" Name="{$model/@name}"/>
      <TASK ID="{$rootId}" Name="{$model/@name}" Type="2"/>
      <xsl:apply-templates select="uml/model/*"/>
    </KAVRO_DATA>
  </xsl:template>

  <xsl:template name="parentId">
    <xsl:choose>
      <xsl:when test="parent::package"><xsl:value-of select="../@id"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$rootId"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="package">
    <xsl:variable name="first"><xsl:call-template name="isFirst"/></xsl:variable>
    <xsl:if test="$first = 'yes'">
      <TASK ID="{@id}" Name="{@name}" Type="2">
        <xsl:attribute name="ParentID"><xsl:call-template name="parentId"/></xsl:attribute>
      </TASK>
      <xsl:apply-templates select="*"/>
    </xsl:if>
  </xsl:template>

  <xsl:template match="usecase">
    <xsl:variable name="first"><xsl:call-template name="isFirst"/></xsl:variable>
    <xsl:if test="$first = 'yes'">
      <xsl:variable name="start" select="activity/node[@kind = 'initial'][1]"/>
      <TASK ID="{@id}">
        <xsl:attribute name="ParentID"><xsl:call-template name="parentId"/></xsl:attribute>
        <xsl:if test="$start">
          <xsl:attribute name="StartID"><xsl:value-of select="$start/@id"/></xsl:attribute>
        </xsl:if>
        <xsl:attribute name="Name">
          <xsl:call-template name="identifier"><xsl:with-param name="text" select="@name"/></xsl:call-template>
        </xsl:attribute>
        <xsl:attribute name="Type">0</xsl:attribute>
        <xsl:if test="comment">
          <xsl:attribute name="Descr">
            <xsl:for-each select="comment">
              <xsl:if test="position() &gt; 1"><xsl:text>&#10;</xsl:text></xsl:if>
              <xsl:value-of select="."/>
            </xsl:for-each>
          </xsl:attribute>
        </xsl:if>
        <xsl:apply-templates select="activity/node"/>
      </TASK>
    </xsl:if>
  </xsl:template>

  <xsl:template match="node">
    <xsl:variable name="first"><xsl:call-template name="isFirst"/></xsl:variable>
    <xsl:if test="$first = 'yes'">
      <xsl:variable name="id" select="@id"/>
      <TASKSTEP ID="{@id}">
        <xsl:attribute name="Name">
          <xsl:choose>
            <xsl:when test="@kind = 'initial'">Start</xsl:when>
            <xsl:otherwise><xsl:value-of select="@name"/></xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
        <!-- One connection per target, and only to a step of the same use case. -->
        <xsl:variable name="steps" select="../../activity/node"/>
        <xsl:for-each select="../../activity/flow[@source = $id]">
          <xsl:variable name="target" select="@target"/>
          <xsl:if test="$steps[@id = $target] and not(preceding-sibling::flow[@source = $id and @target = $target])">
            <CONNECT DestStepID="{@target}"/>
          </xsl:if>
        </xsl:for-each>
      </TASKSTEP>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
